# The third-party photos the photo import is tested and fuzzed on (shared
# beside the repository, never shipped): VARNOLT_PHOTO_CORPUS, empty when not
# found.
find_path(VARNOLT_PHOTO_CORPUS MANIFEST.txt
    PATHS ${CMAKE_SOURCE_DIR}/../shared/corpora/photos ${CMAKE_SOURCE_DIR}/../../shared/corpora/photos
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
    DOC "Folder of third-party photos the photo import is tested on")
