#!/usr/bin/env bash
# Builds the Debian package as `make package` does and checks its files, its control
# fields and its dependencies, then has lintian look for errors and warnings in it.
# Usage: check-deb.sh BUILD_DIR VERSION
set -euo pipefail
source "$(dirname "$0")/support.sh"
build=$1 version=$2

cpack --config "$build/CPackConfig.cmake" -B "$scratch" >/dev/null
deb=$scratch/mms-setup_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || fail "cpack made no $deb"

expect_equal "the package's files" "$(sed 's|^|./usr/|' "$installed_files")" \
    "$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | LC_ALL=C sort)"

# field | value
while IFS='|' read -r field value; do
    expect_equal "the package's $field" "$value" "$(dpkg-deb --field "$deb" "$field")"
done <<EOF_TABLE
Package|mms-setup
Version|$version
Section|utils
Architecture|$(dpkg --print-architecture)
EOF_TABLE

# dpkg-shlibdeps finds the libraries of both programs; the fonts are named by hand.
depends=$(dpkg-deb --field "$deb" Depends | tr -d ' ' | tr ',' '\n' | sed 's/(.*//')
for package in fonts-liberation2 libc6 libqt6core6 libqt6gui6 libqt6widgets6; do
    grep -qxF "$package" <<<"$depends" || fail "Depends lacks $package: $(dpkg-deb --field "$deb" Depends)"
done

# lintian finds neither an error nor a warning.
report=$(lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>&1) \
    || fail "lintian finds errors or warnings in the package:"$'\n'"$report"
echo "package: files, control fields, dependencies and lintian as expected"
