# The third-party bitmap files the image readers are tested and fuzzed on
# (shared beside the repository, never shipped): VARNOLT_BMP_CORPUS, empty
# when not found.
find_path(VARNOLT_BMP_CORPUS MANIFEST.txt
    PATHS ${CMAKE_SOURCE_DIR}/../shared/corpora/bmp ${CMAKE_SOURCE_DIR}/../../shared/corpora/bmp
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
    DOC "Folder of third-party bitmap files the image readers are tested on")
