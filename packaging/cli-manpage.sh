#!/bin/sh
# Writes the manual page of mms-setup-cli: TEMPLATE with its line ".\" COMMANDS"
# replaced by one section per command, made from the program's own --help, so the
# page describes every command and option the program has.
# Usage: cli-manpage.sh PROGRAM TEMPLATE OUTPUT
set -eu
program=$1 template=$2 output=$3

# CLI11's help of one command as roff: the description, the usage line, then each
# positional and option as a tagged paragraph. Words that begin with "-" get "\-",
# so that they print as the minus signs a reader types.
command_section() {
    printf '.SS %s\n' "$1"
    "$program" "$1" --help | awk '
        function roff(text,    words, n, i, out) {
            gsub(/\\/, "\\e", text)
            n = split(text, words, " ")
            for (i = 1; i <= n; ++i) {
                if (words[i] ~ /^["(]?-/) gsub(/-/, "\\-", words[i])
                out = out (i > 1 ? " " : "") words[i]
            }
            sub(/^[.\047]/, "\\\\&&", out)
            return out
        }
        /^Usage: / { sub(/^Usage: /, ""); print ".PP"; print ".B " roff($0); next }
        /^Positionals:$/ { positionals = 1; next }
        /^Options:$/ { positionals = 0; next }
        /^$/ { next }
        /^  / {
            entry = $0; sub(/^ +/, "", entry)
            n = split(entry, parts, /  +/)
            help = parts[2]
            for (i = 3; i <= n; ++i) help = help "  " parts[i]
            # "--out DIR" is the option in bold and its value in italics; a positional
            # ("FILE ...") is all value.
            split(parts[1], name, " ")
            value = substr(parts[1], length(name[1]) + 2)
            gsub(/,/, ", ", name[1])
            print ".TP"
            if (positionals) print ".I \"" parts[1] "\""
            else if (value == "") print ".B " roff(name[1])
            else print ".BI \"" roff(name[1]) " \" " value
            print roff(help); next
        }
        { print ".PP"; print roff($0) }'
}

commands=$("$program" --help | awk '/^Commands:/ { listing = 1; next } /^$/ { listing = 0 } listing { print $1 }')
[ -n "$commands" ] || { echo "$program --help lists no commands" >&2; exit 1; }

sections=$(mktemp)
trap 'rm -f "$sections"' EXIT
for command in $commands; do command_section "$command"; done >"$sections"
awk -v sections="$sections" '
    $0 == ".\\\" COMMANDS" { while ((getline line < sections) > 0) print line; next }
    { print }' "$template" >"$output.tmp"
mv "$output.tmp" "$output"
