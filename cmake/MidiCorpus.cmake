# The third-party MIDI files the reader is tested and fuzzed on (shared beside
# the repository, never shipped): VARNOLT_MIDI_CORPUS, empty when not found.
find_path(VARNOLT_MIDI_CORPUS MANIFEST.txt
    PATHS ${CMAKE_SOURCE_DIR}/../shared/corpora/midi ${CMAKE_SOURCE_DIR}/../../shared/corpora/midi
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
    DOC "Folder of third-party MIDI files the reader is tested on")
