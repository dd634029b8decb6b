# bash completion for qinghejian-convert                   -*- shell-script -*-

_qinghejian_convert()
{
    local cur prev words cword
    _init_completion || return

    case $prev in
    -f | --file)
        _filedir
        return
        ;;
    --encoding | --output-encoding)
        COMPREPLY=($(compgen -W 'utf-8 utf-16 gb18030' -- "$cur"))
        return
        ;;
    --figures | --capitals | -h | --help | -V | --version)
        return
        ;;
    esac

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--standard --rmb --read --check --csv --header
            --figures --capitals --encoding --output-encoding --date --file -f -h --help
            -V --version --' -- "$cur"))
        return
    fi
    # With --csv the input is a file; anything else is an amount, a date or
    # capitals, which nothing can guess.
    local word
    for word in "${words[@]}"; do
        if [[ $word == --csv ]]; then
            _filedir
            return
        fi
    done
} &&
    complete -F _qinghejian_convert qinghejian-convert

# ex: filetype=sh
