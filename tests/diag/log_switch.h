// Turns the log switch on or off for one test and back afterwards, and
// reads back what was logged.
#pragma once

#include "diag/log.h"

#include <fstream>
#include <string>
#include <vector>

class ScopedLogSwitch {
public:
    explicit ScopedLogSwitch(int32_t on) : saved(g_logEnabled) { g_logEnabled = on; }
    ~ScopedLogSwitch() { g_logEnabled = saved; }

private:
    int32_t saved;
};

// The messages of log.txt in the current folder, without their time stamps.
inline std::vector<std::string> LoggedMessages() {
    std::vector<std::string> messages;
    std::ifstream in("log.txt", std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t colon = line.find(":  ");
        messages.push_back(colon == std::string::npos ? line : line.substr(colon + 3));
    }
    return messages;
}
