# Shared by the packaging tests. A failure says what was expected and what was found.
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

expect_equal() { # what expected found
    [[ $2 == "$3" ]] || fail "$1: expected"$'\n'"$2"$'\n'"found"$'\n'"$3"
}

# The files every install has, one path a line below its prefix, sorted.
installed_files="$(dirname "${BASH_SOURCE[0]}")/installed-files.txt"

# A folder of the test's own, removed when it ends.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
