# bash completion for mms-setup-cli. The commands, the options of each command and
# the choices of an option are read from the program's own --help, so they always
# match the program being completed.

# The words of the "Commands:" block of the program's --help.
_mms_setup_cli_commands()
{
    "$1" --help 2>/dev/null | awk '/^Commands:/ { listing = 1; next } /^$/ { listing = 0 } listing { print $1 }'
}

# The long options of "PROGRAM COMMAND --help", one per line: the first word of each
# line of the "Options:" block, with "-h,--help" split at the comma.
_mms_setup_cli_options()
{
    "$1" "$2" --help 2>/dev/null | awk '
        /^Options:/ { listing = 1; next }
        listing && /^  -/ { n = split($1, names, ","); for (i = 1; i <= n; ++i) if (names[i] ~ /^--/) print names[i] }'
}

# The choices of option $3 as its help lists them ("on|off (default off)"), if any.
_mms_setup_cli_choices()
{
    "$1" "$2" --help 2>/dev/null | awk -v option="$3" '
        $1 == option { for (i = 3; i <= NF; ++i) if ($i ~ /\|/) { gsub(/[.,;]$/, "", $i); gsub(/\|/, "\n", $i); print $i; exit } }'
}

_mms_setup_cli()
{
    local program=${COMP_WORDS[0]} current=${COMP_WORDS[COMP_CWORD]}
    local previous=${COMP_WORDS[COMP_CWORD - 1]} IFS=$'\n'
    COMPREPLY=()
    if ((COMP_CWORD == 1)); then
        COMPREPLY=($(compgen -W "$(_mms_setup_cli_commands "$program")"$'\n--help\n--version' -- "$current"))
        return
    fi
    local command=${COMP_WORDS[1]}
    case $previous in
    --out)
        compopt -o filenames
        COMPREPLY=($(compgen -d -- "$current"))
        return
        ;;
    --from)
        compopt -o filenames
        COMPREPLY=($(compgen -f -- "$current"))
        return
        ;;
    --*)
        local choices
        choices=$(_mms_setup_cli_choices "$program" "$command" "$previous")
        if [[ -n $choices ]]; then
            COMPREPLY=($(compgen -W "$choices" -- "$current"))
            return
        fi
        ;;
    esac
    if [[ $current == -* ]]; then
        COMPREPLY=($(compgen -W "$(_mms_setup_cli_options "$program" "$command")" -- "$current"))
        return
    fi
    case $command in
    inspect | check)
        compopt -o filenames
        COMPREPLY=($(compgen -f -- "$current"))
        ;;
    catalogue)
        COMPREPLY=($(compgen -W $'mms\nemail' -- "$current"))
        ;;
    esac
}
complete -F _mms_setup_cli mms-setup-cli
