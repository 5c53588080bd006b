#!/usr/bin/env bash
# Builds the Debian package from a build folder, installs it into a scratch root with
# dpkg -x and checks that every file is where it belongs, that the package declares its
# dependencies, and that the installed batch runner works.
#   check-deb.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null
deb=$(ls "$scratch"/out/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6charts6 libqt6printsupport6 libstdc++6 libc6; do
  case "$depends" in
    *"$library"*) ;;
    *) echo "the package does not depend on $library: $depends"; exit 1 ;;
  esac
done

root=$scratch/root
dpkg -x "$deb" "$root"
for file in usr/bin/acdrive usr/bin/dcdrive usr/bin/drivecalc \
            usr/share/applications/acdrive.desktop usr/share/applications/dcdrive.desktop \
            usr/share/icons/hicolor/scalable/apps/acdrive.svg usr/share/icons/hicolor/scalable/apps/dcdrive.svg \
            usr/share/doc/drivecalc/acdrive-help.html usr/share/doc/drivecalc/README.md \
            usr/share/doc/drivecalc/examples/sample-drive.tah usr/share/doc/drivecalc/examples/rheostat.answers \
            usr/share/doc/drivecalc/examples/dc-motor-4kw-220v.dpt; do
  [ -f "$root/$file" ] || { echo "missing from the package: /$file"; exit 1; }
done
for program in acdrive dcdrive drivecalc; do
  [ -x "$root/usr/bin/$program" ] || { echo "/usr/bin/$program is not executable"; exit 1; }
done

examples=$root/usr/share/doc/drivecalc/examples
"$root/usr/bin/drivecalc" ac --diagram "$examples/sample-drive.tah" --motor "$examples/sample-motor.mot" \
  --rotor wound --method rheostat --answers "$examples/rheostat.answers" | grep -q "P = 17084,40"
echo "package $(basename "$deb"): all files in place"
