# bash completion for dorvik-cli. Commands, their words and options are read
# from the program's own --help, so they follow the installed version.

_dorvik_cli_files() {
    compopt -o filenames 2>/dev/null
    COMPREPLY=($(compgen -f -- "$1"))
}

_dorvik_cli() {
    local prog=${COMP_WORDS[0]} cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local help commands valued
    help=$("$prog" --help 2>/dev/null) || return
    commands=$(sed -n '/^Commands/,/^$/p' <<<"$help")
    valued=" $(sed -n 's/^  \(--[a-z-]*\) [A-Z].*/\1/p' <<<"$help" | tr '\n' ' ')"
    if [[ $valued == *" $prev "* ]]; then
        _dorvik_cli_files "$cur"
        return
    fi
    # The words given so far, without options and their values.
    local words=() i
    for ((i = 1; i < COMP_CWORD; i++)); do
        [[ ${COMP_WORDS[i]} == -* || $valued == *" ${COMP_WORDS[i - 1]} "* ]] || words+=("${COMP_WORDS[i]}")
    done
    local candidates
    if [[ $cur == -* ]]; then
        candidates=$("$prog" ${words[0]} --help 2>/dev/null | grep -o -- '--[a-z][a-z-]*')
    elif ((${#words[@]} == 0)); then
        candidates=$(sed -n 's/^  \([a-z][a-z]*\).*/\1/p' <<<"$commands")
    elif ((${#words[@]} == 1)); then
        candidates=$(grep -o -- "\b${words[0]} [a-z|]*" <<<"$commands" | cut -d' ' -f2 | tr '|' ' ')
    fi
    if [[ -z ${candidates// /} ]]; then
        _dorvik_cli_files "$cur"
    else
        COMPREPLY=($(compgen -W "$candidates" -- "$cur"))
    fi
}
complete -F _dorvik_cli dorvik-cli
