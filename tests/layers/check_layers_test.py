"""The layer check against small trees, each breaking one rule."""
import pathlib
import subprocess
import sys
import tempfile
import unittest

CHECK = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "check-layers.py"

# A tree that keeps every rule, to which each case adds one file.
SOUND_TREE = {
    "src/platform/platform.h": '#include "platform/win_types.h"\n',
    "src/platform/win_types.h": '#include "platform/win32/windows_api.h"\n',
    "src/platform/win32/windows_api.h": "#include <windows.h>\n",
    "src/game/win32/controller.cpp": '#include <windows.h>\n#include "sprites/doc.h"\n',
    "src/sprites/doc.h": '#include "persist/store.h"\n#include "game/catalogue.h"\n',
    "src/game/catalogue.h": '#include "platform/platform.h"\n',
    "src/persist/store.h": '#include "platform/platform.h"\n',
    "src/app/main.cpp": '#include <ddraw.h>\n#include "game/win32/controller.h"\n',
    "src/game/win32/controller.h": "",
    "src/photos/cut.h": '#include "game/catalogue.h"\n#include "persist/store.h"\n',
    "src/game/win32/photo_dialog.cpp": '#include "photos/cut.h"\n#include "shelf/page.h"\n',
    "src/shelf/page.h": '#include "photos/cut.h"\n#include "sprites/doc.h"\n',
}


def check(extra):
    with tempfile.TemporaryDirectory() as root:
        for name, text in {**SOUND_TREE, **extra}.items():
            path = pathlib.Path(root) / name
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text)
        result = subprocess.run([sys.executable, str(CHECK), root], capture_output=True, text=True)
        return result.returncode, result.stdout


class LayerCheck(unittest.TestCase):
    def test_a_sound_tree_passes(self):
        self.assertEqual(check({}), (0, "layers: ok\n"))

    def test_each_breach_fails_and_is_named(self):
        breaches = {
            "windows header": {"src/game/rule.cpp": "#include <Windows.h>\n"},
            "mmsystem in tests": {"tests/game/rule_test.cpp": "#include <mmsystem.h>\n"},
            "portable includes win32": {
                "src/sprites/view.cpp": '#include "game/win32/controller.h"\n'
            },
            "portable includes app": {"src/audio/song.cpp": '#include "app/main.h"\n', "src/app/main.h": ""},
            "storage includes sprites": {"src/persist/save.cpp": '#include "sprites/doc.h"\n'},
            "storage includes game": {"src/persist/save.cpp": '#include "game/catalogue.h"\n'},
            "photos include sprites": {"src/photos/cut.cpp": '#include "sprites/doc.h"\n'},
            "designed includes photos": {"src/game/page.cpp": '#include "photos/cut.h"\n'},
            "designed includes the shelf": {"src/sprites/view.cpp": '#include "shelf/page.h"\n'},
            "photos include the shelf": {"src/photos/cut.cpp": '#include "shelf/page.h"\n'},
            "cycle": {"src/platform/clock.cpp": '#include "persist/store.h"\n'},
        }
        for what, extra in breaches.items():
            with self.subTest(what):
                code, output = check(extra)
                self.assertEqual(code, 1, output)
                self.assertIn(next(iter(extra)) if what != "cycle" else "cycle", output)

    def test_files_that_call_each_other_in_a_cycle_fail(self):
        # The view holds an addition that calls the view back: a loop of
        # three units, the view's header and .cpp being one of them.
        loop = {
            "src/sprites/view.h": '#include "sprites/hint.h"\n',
            "src/sprites/view.cpp": '#include "sprites/view.h"\n',
            "src/sprites/hint.h": "",
            "src/sprites/hint.cpp": '#include "sprites/hint.h"\n#include "sprites/glow.h"\n',
            "src/sprites/glow.h": "",
            "src/sprites/glow.cpp": '#include "sprites/view.h"\n',
        }
        code, output = check(loop)
        self.assertEqual(code, 1, output)
        self.assertIn("files call each other in a cycle", output)
        self.assertIn("src/sprites/glow, src/sprites/hint, src/sprites/view", output)
        # The same units with the addition no longer calling back pass.
        code, output = check({**loop, "src/sprites/glow.cpp": '#include "sprites/glow.h"\n'})
        self.assertEqual((code, output), (0, "layers: ok\n"))

    def test_file_cycles_outside_the_engine_and_the_game_are_left_alone(self):
        pair = {
            "src/image/a.h": "",
            "src/image/a.cpp": '#include "image/b.h"\n',
            "src/image/b.h": "",
            "src/image/b.cpp": '#include "image/a.h"\n',
        }
        self.assertEqual(check(pair), (0, "layers: ok\n"))


if __name__ == "__main__":
    unittest.main()
