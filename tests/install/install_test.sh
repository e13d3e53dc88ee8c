#!/bin/sh
# Installs a build into a scratch prefix and checks the program folder, the menu entry
# and the launcher's choice of data folder (the program itself is replaced by a stub
# that reports what it was started with).
# usage: install_test.sh <build folder> <shared data folder the launcher was made with>
set -eu
build=$1
shared=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
prog=$prefix/lib/orvalune
for f in orvalune orvalune_sound.so dadosn.lst AjudaAgenda.html; do
    [ -f "$prog/$f" ] || fail "$f missing from the program folder"
done
ls "$prog"/images/*.png >/dev/null 2>&1 || fail "help pictures missing"
for img in $(grep -o 'src="images/[^"]*"' "$prog/AjudaAgenda.html" | sed 's/src="//; s/"$//'); do
    [ -f "$prog/$img" ] || fail "the help document shows $img, which is not installed"
done
[ -x "$prefix/bin/orvalune" ] || fail "launcher missing"
[ -f "$prefix/share/applications/orvalune.desktop" ] || fail "menu entry missing"
[ -f "$prefix/share/icons/hicolor/256x256/apps/orvalune.png" ] || fail "256x256 icon missing"
[ -f "$prefix/share/icons/hicolor/48x48/apps/orvalune.png" ] || fail "48x48 icon missing"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/orvalune.desktop" || fail "menu entry invalid"
fi
grep -q '^Exec=orvalune$' "$prefix/share/applications/orvalune.desktop" || fail "menu entry command"

# A second install keeps somebody's agenda: the data file is never overwritten.
printf 'agenda' >>"$prog/dadosn.lst"
before=$(cksum <"$prog/dadosn.lst")
cmake --install "$build" --prefix "$prefix" >/dev/null
[ "$(cksum <"$prog/dadosn.lst")" = "$before" ] || fail "install overwrote the data file"
cp "$build/dadosn.lst" "$prog/dadosn.lst"

# The launcher, with a stub in place of the program.
cat >"$prog/orvalune" <<'STUB'
#!/bin/sh
echo "home=${ORVALUNE_HOME:-} umask=$(umask) args=$*"
STUB
chmod +x "$prog/orvalune"

# ORVALUNE_HOME names a folder that does not exist yet: it is made and gets a fresh
# data file and the help document.
out=$(ORVALUNE_HOME=$work/agenda "$prefix/bin/orvalune" --tray)
[ "$out" = "home=$work/agenda umask=0000 args=--tray" ] || fail "launcher with ORVALUNE_HOME: $out"
cmp -s "$work/agenda/dadosn.lst" "$prog/dadosn.lst" || fail "fresh data file not copied"
[ -f "$work/agenda/AjudaAgenda.html" ] || fail "help document not reachable from the data folder"
[ -f "$work/agenda/images/entrada.png" ] || fail "help pictures not reachable from the data folder"

# An existing data file in that folder is used as it is.
printf 'agenda' >>"$work/agenda/dadosn.lst"
before=$(cksum <"$work/agenda/dadosn.lst")
ORVALUNE_HOME=$work/agenda "$prefix/bin/orvalune" >/dev/null
[ "$(cksum <"$work/agenda/dadosn.lst")" = "$before" ] || fail "launcher replaced an existing data file"

# Started through a link on the path, it still finds its program folder.
mkdir "$work/path"
ln -s "$prefix/bin/orvalune" "$work/path/orvalune"
out=$(ORVALUNE_HOME=$work/agenda PATH="$work/path:$PATH" orvalune)
[ "$out" = "home=$work/agenda umask=0000 args=" ] || fail "launcher through a link: $out"

# Without ORVALUNE_HOME and without a machine-wide folder, a prefix the user owns
# runs on its own program folder.
if [ ! -d "$shared" ]; then
    out=$(env -u ORVALUNE_HOME "$prefix/bin/orvalune")
    [ "$out" = "home= umask=$(umask) args=" ] || fail "launcher in an own prefix: $out"
fi
echo "install and launcher checks passed"
