#!/bin/sh
# Installs a build into a scratch prefix and checks the program folder, the menu entry,
# the launcher's choice of data folder (the program replaced by a stub that reports
# what it was started with), the family's shared folder with the real program (as root),
# and that the data-file tools refuse what is not a file name.
# usage: install_test.sh <build folder> <shared data folder the launcher was made with>
set -eu
build=$(cd "$1" && pwd)
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
[ "$out" = "home=$work/agenda umask=0007 args=--tray" ] || fail "launcher with ORVALUNE_HOME: $out"
cmp -s "$work/agenda/dadosn.lst" "$prog/dadosn.lst" || fail "fresh data file not copied"
[ "$(stat -c %a "$work/agenda/dadosn.lst")" = 660 ] || fail "fresh data file not 0660"
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
[ "$out" = "home=$work/agenda umask=0007 args=" ] || fail "launcher through a link: $out"

# Without ORVALUNE_HOME and without a machine-wide folder, a prefix the user owns
# runs on its own program folder.
if [ ! -d "$shared" ]; then
    out=$(env -u ORVALUNE_HOME "$prefix/bin/orvalune")
    [ "$out" = "home= umask=0007 args=" ] || fail "launcher in an own prefix: $out"
fi

# The tools take file names only: --help and unknown options get the usage, exit 2,
# and make nothing.
mkdir "$work/tools" && cd "$work/tools"
for call in "orvalune-mkdata --help" "orvalune-mkdata --keep-existing -x" \
            "orvalune-mkv1data --help data.json" "orvalune-mkv1data --bogus"; do
    set -- $call
    tool=$1
    shift
    status=0
    "$build/$tool" "$@" >/dev/null 2>&1 || status=$?
    [ $status -eq 2 ] || fail "$call: exit $status"
done
[ -z "$(ls -A)" ] || fail "a tool made $(ls -A) from an option"
cd "$work"

# The family's folder with the real program: two people of the group save one after
# the other (the launcher's fresh copy, the lock file and the journal stay open to the
# group), a third outside the group is told so and reads nothing. Root only: the three
# accounts are ids given to setpriv, no account is created.
if [ "$(id -u)" -ne 0 ] || ! command -v setpriv >/dev/null || ! command -v sqlcipher >/dev/null; then
    echo "family folder check skipped: needs root, setpriv and sqlcipher"
    echo "install and launcher checks passed"
    exit 0
fi
cmake --install "$build" --prefix "$prefix" >/dev/null # the real program again
chmod 0755 "$work"
family=$work/familia
group=47110
mkdir "$family" && chgrp $group "$family" && chmod 2770 "$family" # as the README says
data=$family/dadosn.lst
# Starts the launcher as the account until the check holds (or 30 s), then ends the program.
as() { # uid groups check
    uid=$1 groups=$2 check=$3
    mkdir -p "$work/home$uid" && chown $uid "$work/home$uid"
    HOME=$work/home$uid ORVALUNE_HOME=$family QT_QPA_PLATFORM=offscreen \
        setpriv --reuid=$uid --regid=$uid $groups "$prefix/bin/orvalune" >"$work/out$uid" 2>&1 &
    pid=$!
    tries=0
    until eval "$check" || [ $tries -ge 150 ]; do
        sleep 0.2
        tries=$((tries + 1))
    done
    kill $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
    eval "$check"
}
changed() { [ "$(stat -c %y "$data" 2>/dev/null)" != "$1" ]; }

as 47101 --groups=$group '[ -e "$family/orvalune.lock" ]' || fail "first start: $(cat "$work/out47101")"
[ "$(stat -c %a:%g "$data")" = "660:$group" ] || fail "fresh copy is $(stat -c %a:%g "$data")"
sqlcipher -batch -cmd "PRAGMA key='quietharbo318pelican';" "$data" \
    "insert into Usuarios (Login,Nome,Email,FoneRes,FoneCel,Pastinha) values
     ('ANA','Ana','ana@exemplo.com.br',' ',' ','Notas');
     insert into Configuracao (Usuario,InicioGrade,FinalGrade,Intervalos,PosicaoAniversarios,
     SomCompromisso,ChecagemGeral,VisualizarCompartilhamento)
     values (1,'08:00:00','17:00:00',60,'A','Nenhum',60,'S');" >/dev/null
for uid in 47101 47102; do
    before=$(stat -c %y "$data")
    as $uid --groups=$group "changed '$before'" || fail "$uid could not save: $(cat "$work/out$uid")"
done
before=$(cksum <"$data")
as 47103 --clear-groups 'grep -qs "grupo orvalune" "$work/out47103"' ||
    fail "the outsider was not told: $(cat "$work/out47103")"
[ "$(cksum <"$data")" = "$before" ] || fail "the outsider changed the data file"
if setpriv --reuid=47103 --regid=47103 --clear-groups cat "$data" >/dev/null 2>&1; then
    fail "the outsider reads the data file"
fi
echo "install and launcher checks passed"
