#!/bin/sh
# run_i686_suite.sh LOADER PROGRAM ARGS...: runs an i686 suite, unless this
# machine's kernel cannot start 32-bit programs at all (some virtual
# machines have no 32-bit mode). Then no Wine can run the i686 build here,
# whatever is installed: the suite is reported skipped (exit 77) with the
# reason, never passed. A loader that is missing is not such a case: the
# suite runs and fails with the command that installs it. The scripts ask
# the same question with PROGRAM `true`.
loader=$1
shift
if [ -f "$loader" ]; then
  why=$("$loader" --version 2>&1 >/dev/null)
  case $why in
    *"Exec format error"*)
      echo "SKIPPED: this machine cannot run 32-bit programs ($why)."
      echo "SKIPPED: the i686 build needs a kernel that runs them, or qemu's i386 emulator (scripts/setup.sh registers it where it can); nothing of it was tested here."
      exit 77 ;;
  esac
fi
if grep -qs '^interpreter .*qemu-i386' /proc/sys/fs/binfmt_misc/*; then
  echo "NOTE: 32-bit programs run under qemu's i386 emulator here (this kernel has no 32-bit mode)."
  # What the emulator cannot carry (a fault in one of Wine's threads is
  # fatal there) the suites leave out, and say so.
  export GLAVO_I686_EMULATED=1
fi
exec "$@"
