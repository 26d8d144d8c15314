#!/usr/bin/env bash
# The bash completion of mms-setup-cli offers every command and, for each command,
# every option that the program's --help lists, the choices of an option, folders
# after --out and files after --from and inspect.
# Usage: check-completion.sh PROGRAM COMPLETION_SCRIPT
set -euo pipefail
source "$(dirname "$0")/support.sh"
program=$1
source "$2"
[[ $(complete -p mms-setup-cli) == *"-F _mms_setup_cli"* ]] || fail "the completion is not registered for mms-setup-cli"
# compopt works only while bash is completing; here the words are set by hand.
compopt() { :; }

# What the completion offers for the words given, the last being the one completed.
offered() {
    COMP_WORDS=("$program" "$@")
    COMP_CWORD=$#
    _mms_setup_cli
    printf '%s\n' "${COMPREPLY[@]}"
}

commands=$("$program" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z]*\) .*/\1/p')
expect_equal "the commands" "$(printf '%s\n' $commands --help --version)" "$(offered '')"
for command in $commands; do
    expect_equal "the options of $command" \
        "$("$program" "$command" --help | grep -oE '^  (-h,)?--[a-z0-9-]+' | sed 's/.*-h,//; s/^ *//')" \
        "$(offered "$command" --)"
done

mkdir -p "$scratch/card/DCIM"
touch "$scratch/card/CAMERASETUP.dat"
# words completed | what is offered, one per line
while IFS='|' read -r words expected; do
    read -ra words <<<"$words"
    [[ ${words[-1]} == "''" ]] && words[-1]=
    # bash sorts what it shows; files come in the folder's order.
    expect_equal "completing ${words[*]}" "$(printf '%b' "$expected" | sort)" "$(offered "${words[@]}" | sort)"
done <<EOF_TABLE
camera --fr|--from
mms --fr|--from
email --fr|--from
email --sender|--sender\n--sender-password
camera --beep ''|off\non
camera --timer ''|on\noff
camera --date-format ''|Y/M/D\nD/M/Y\nM/D/Y
mms --status v|vga
camera --timer1 ''|
catalogue ''|mms\nemail
camera --out $scratch/card/|$scratch/card/DCIM
camera --from $scratch/card/C|$scratch/card/CAMERASETUP.dat
inspect $scratch/card/|$scratch/card/CAMERASETUP.dat\n$scratch/card/DCIM
nosuchcommand --|
EOF_TABLE
echo "completion: every command, every option and the choices, as --help lists them"
