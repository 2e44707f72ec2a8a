// varnolt-content: writes the game's content, or contact sheets of it.
//   varnolt-content generate <folder>
//   varnolt-content contact-sheet <content folder> <sheet folder>
//   varnolt-content plan <first page> <last page>   (prints position rows)
#include "contact_sheet.h"
#include "content_writer.h"
#include "planner.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: varnolt-content generate <folder>\n"
                         "       varnolt-content contact-sheet <content folder> <sheet folder>\n"
                         "       varnolt-content plan <first page> <last page>\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const std::string command = argc > 1 ? argv[1] : "";
        if (command == "generate" && argc == 3) {
            content::GenerateAll(argv[2]);
            return 0;
        }
        if (command == "contact-sheet" && argc == 4) {
            content::WriteContactSheets(argv[2], argv[3]);
            return 0;
        }
        if (command == "plan" && argc == 4) {
            std::fputs(content::PositionTable(std::atoi(argv[2]), std::atoi(argv[3])).c_str(),
                       stdout);
            return 0;
        }
        return Usage();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "varnolt-content: %s\n", failure.what());
        return 1;
    }
}
