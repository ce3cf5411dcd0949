#!/usr/bin/python3
"""Runs end-to-end case modules: run_suite.py --program PATH [--shots DIR] [MODULE ...].

Without modules every test_*.py of this folder runs. Exit status 0 when all
cases pass (expected failures included), 1 otherwise.
"""

import argparse
import os
import sys
import unittest

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", help="the chatmock binary (else $CHATMOCK_PROGRAM)")
    parser.add_argument("--shots", help="screenshots of failing cases (else $CHATMOCK_E2E_SHOTS)")
    parser.add_argument("-v", "--verbose", action="store_true")
    parser.add_argument("modules", nargs="*", help="case modules such as test_captions")
    options = parser.parse_args()
    if options.program:
        os.environ["CHATMOCK_PROGRAM"] = os.path.abspath(options.program)
    if options.shots:
        os.environ["CHATMOCK_E2E_SHOTS"] = os.path.abspath(options.shots)
    sys.path.insert(0, HERE)
    loader = unittest.TestLoader()
    if options.modules:
        suite = loader.loadTestsFromNames([name.removesuffix(".py") for name in options.modules])
    else:
        suite = loader.discover(HERE, pattern="test_*.py", top_level_dir=HERE)
    result = unittest.TextTestRunner(verbosity=2 if options.verbose else 1).run(suite)
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
