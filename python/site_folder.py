"""Prints the folder, relative to PREFIX, where this Python imports modules from under PREFIX.

    python3 site_folder.py PREFIX

The first folder of sys.path under PREFIX/lib: Debian's /usr/lib/python3/dist-packages for /usr
and /usr/local/lib/python3.X/dist-packages for /usr/local, which sysconfig's own schemes do not
name. Under any other prefix (a venv, $HOME/.local) the folder of the interpreter's own layout,
lib/python3.X/site-packages.
"""

import os
import sys
import sysconfig

prefix = os.path.abspath(sys.argv[1])
for entry in sys.path:
    if not entry.endswith(("site-packages", "dist-packages")):
        continue
    relative = os.path.relpath(os.path.abspath(entry), prefix)
    if relative.split(os.sep)[0] in ("lib", "lib64"):
        print(relative)
        break
else:
    place = sysconfig.get_path("platlib", "posix_prefix", vars={"base": prefix, "platbase": prefix})
    print(os.path.relpath(place, prefix))
