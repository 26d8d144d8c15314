#!/usr/bin/env bash
# Installs the build into a temporary prefix, as `cmake --install` does for a packager,
# and checks what a Linux desktop takes from it: the programs and their version, the
# menu entry, the metadata, the icons and the manual pages.
# Usage: check-install.sh BUILD_DIR VERSION
set -euo pipefail
source "$(dirname "$0")/support.sh"
build=$1 version=$2
prefix=$scratch/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
expect_equal "installed files" "$(cat "$installed_files")" \
    "$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)"

expect_equal "mms-setup-cli --version" "mms-setup-cli $version" "$("$prefix/bin/mms-setup-cli" --version)"
expect_equal "mms-setup --version" "mms-setup $version" \
    "$(QT_QPA_PLATFORM=offscreen "$prefix/bin/mms-setup" --version 2>/dev/null)"

desktop=$prefix/share/applications/mms-setup.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses the menu entry"
for key in 'Name=MMS SETUP' 'Exec=mms-setup' 'Icon=mms-setup' 'Terminal=false' 'Categories=Utility;'; do
    grep -qxF "$key" "$desktop" || fail "the menu entry has no line $key"
done
grep -q '^Comment=.' "$desktop" || fail "the menu entry has no Comment"

metainfo=$(echo "$prefix"/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refuses the metadata"
for element in "<release version=\"$version\"" '<launchable type="desktop-id">mms-setup.desktop</launchable>' \
    '<binary>mms-setup-cli</binary>' '<project_license>MIT</project_license>'; do
    grep -qF "$element" "$metainfo" || fail "the metadata has no $element"
done

changelog_head=$(zcat "$prefix/share/doc/mms-setup/changelog.gz" | head -n 1)
[[ $changelog_head == "mms-setup ($version) "* ]] || fail "the changelog starts with $changelog_head, not version $version"

for size in 16 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/mms-setup.png
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    expect_equal "size of $icon" "$size $size" "$(od -An -tu1 -j16 -N8 "$icon" | awk '{ print $3 * 256 + $4, $7 * 256 + $8 }')"
done

# The pages render without a warning of groff's, and the command line's page names
# every command and every option that its --help lists.
for page in "$prefix"/share/man/man1/*.1.gz; do
    warnings=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1)
    expect_equal "groff's warnings on $page" "" "$warnings"
done
cli_page=$(zcat "$prefix/share/man/man1/mms-setup-cli.1.gz" | groff -man -Tutf8 -rLL=200n -P-cbou 2>/dev/null)
cli=$prefix/bin/mms-setup-cli
# The lines of one command's subsection: from its heading to the next heading.
subsection() {
    awk -v heading="   $1" '$0 == heading { inside = 1; next } /^(   )?[^ ]/ { inside = 0 } inside' <<<"$cli_page"
}
commands=$("$cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z]*\) .*/\1/p')
[[ -n $commands ]] || fail "mms-setup-cli --help lists no commands"
for command in $commands; do
    section=$(subsection "$command")
    [[ -n $section ]] || fail "the manual page has no section for $command"
    for option in $("$cli" "$command" --help | grep -oE '^  (-h,)?--[a-z0-9-]+' | sed 's/.*-h,//'); do
        grep -qE -- "^ +(-h, )?$option( |\$)" <<<"$section" || fail "the manual page does not describe $command $option"
    done
done
# The desktop program's page lists the options of its --help.
app_page=$(zcat "$prefix/share/man/man1/mms-setup.1.gz" | groff -man -Tutf8 -rLL=200n -P-cbou 2>/dev/null)
app_options=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/mms-setup" --help 2>/dev/null \
    | grep -oE '^ +(-[a-z], )?--[a-z-]+' | sed 's/.*, //; s/^ *//')
[[ -n $app_options ]] || fail "mms-setup --help lists no options"
for option in $app_options; do
    grep -qE -- "^ +(-[a-z], )?$option( |\$)" <<<"$app_page" || fail "mms-setup's manual page does not describe $option"
done
echo "installed files, versions, menu entry, metadata, icons and manual pages: all as expected"
