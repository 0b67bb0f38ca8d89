#!/usr/bin/env bash
# Builds the Debian package tessaly_VERSION_ARCH.deb in this folder with CPack, then checks
# it: lintian without errors, the desktop entry and the AppStream metainfo valid, and the
# unpacked package's tessaly-cli working on its own (list, help, a run with --plot).
#   ./package.sh            install what is missing, build in Release, package, check
#   ./package.sh --check    only check the package already built
set -euo pipefail
cd "$(dirname "$0")"
BUILD=${TESSALY_BUILD_DIR:-build}

if [[ ${1:-} != --check ]]; then
  scripts/install-deps.sh
  # A build folder of its own needs no tests; one that test.sh made keeps them.
  tests=()
  [[ -f $BUILD/CMakeCache.txt ]] || tests=(-DTESSALY_TESTS=OFF)
  cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release "${tests[@]}" > /dev/null
  cmake --build "$BUILD" -j"$(nproc)"
  (cd "$BUILD" && cpack -G DEB -B "$PWD/package" > /dev/null)
  cp "$BUILD"/package/tessaly_*.deb .
fi

debs=(tessaly_*.deb)
deb=${debs[-1]}
[[ -f $deb ]] || { echo "package.sh: no tessaly_*.deb; run ./package.sh first" >&2; exit 1; }
echo "== $deb"
dpkg-deb --field "$deb" Package Version Depends Recommends

fail() { echo "package.sh: $*" >&2; exit 1; }

echo "== lintian"
lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" || fail "lintian reports errors"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
share=$root/usr/share

echo "== desktop-file-validate"
out=$(desktop-file-validate "$share"/applications/*.desktop 2>&1 || echo "error: validator failed")
echo "$out"
# Hints are advice (three categories name two main ones, as the menu layout wants).
grep -qiE ': (error|warning):' <<<"$out" && fail "the desktop entry is not valid"

echo "== appstreamcli validate"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml || fail "the metainfo is not valid"

echo "== the unpacked tessaly-cli, away from the build tree"
cli=$root/usr/bin/tessaly-cli
cd "$root"
methods=$("$cli" list | wc -l)
((methods > 50)) || fail "tessaly-cli list printed $methods lines"
echo "list: $methods methods"
"$cli" help | grep -q . || fail "tessaly-cli help printed nothing"
echo "help: $("$cli" help | wc -l) lines"
"$cli" run InsertValue.cNewtonInsert --input "$share/tessaly/examples/points.txt" \
  --answer 0.54 --answer yes --plot "$root/newton.png" --lf > "$root/report.txt" 2>/dev/null ||
  fail "tessaly-cli run with --plot failed"
file -b "$root/newton.png" | grep -q '^PNG image data, 640 x 480' || fail "--plot wrote no PNG"
echo "run: $(wc -l < "$root/report.txt") report lines, $(file -b "$root/newton.png")"
for f in tessaly/music/END.MID icons/hicolor/scalable/apps/org.tessaly.Tessaly.svg \
         icons/hicolor/48x48/apps/org.tessaly.Tessaly.png man/man1/tessaly-cli.1.gz \
         bash-completion/completions/tessaly-cli; do
  [[ -s $share/$f ]] || fail "the package lacks $f"
done
echo "package.sh: $deb is good"
