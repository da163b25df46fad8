# bash completion for kavoctl: commands, their options, and the mode, type, format and action
# names.
# The lists follow `kavoctl help`; the tests compare them.

_kavoctl_options()
{
    case $1 in
        ramp) echo "--temperature --brightness --scheme --leading-color --base" ;;
        matrix) echo "--temperature --brightness --scheme --leading-color --effect --inverted --saturation" ;;
        sun) echo "--latitude --longitude --at" ;;
        schedule) echo "--settings --at --monitor" ;;
        status) echo "--follow --format" ;;
        apply) echo "--temperature --brightness" ;;
    esac
}

_kavoctl()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local previous=${COMP_WORDS[COMP_CWORD - 1]}
    local command=${COMP_WORDS[1]}
    local commands="version ramp matrix sun schedule status apply reset pause resume mode type location set shortcut help"
    local types="custom health sleep gaming reading programming biohacker sunglasses dark movie overlay"
    local actions="increase-temperature decrease-temperature increase-brightness decrease-brightness start-overlay end-overlay effects pause-resume manual-automatic start-break pause-resume-timer quit zoom-in zoom-out"
    COMPREPLY=()

    if ((COMP_CWORD == 1)); then
        COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        return
    fi
    case $previous in
        --base)
            COMPREPLY=($(compgen -W "identity inverted" -- "$cur"))
            return ;;
        --format)
            COMPREPLY=($(compgen -W "json waybar" -- "$cur"))
            return ;;
        --settings)
            COMPREPLY=($(compgen -f -- "$cur"))
            return ;;
        --temperature | --brightness | --scheme | --leading-color | --effect | --saturation | \
            --latitude | --longitude | --at | --monitor)
            return ;;
    esac
    case $command in
        mode)
            ((COMP_CWORD == 2)) && COMPREPLY=($(compgen -W "automatic manual paused" -- "$cur")) ;;
        type)
            ((COMP_CWORD == 2)) && COMPREPLY=($(compgen -W "$types" -- "$cur")) ;;
        shortcut)
            ((COMP_CWORD == 2)) && COMPREPLY=($(compgen -W "$actions" -- "$cur")) ;;
        set)
            if ((COMP_CWORD == 2)); then
                COMPREPLY=($(compgen -W "temperature brightness" -- "$cur"))
            elif ((COMP_CWORD == 3)); then
                COMPREPLY=($(compgen -W "day night" -- "$cur"))
            fi ;;
        *)
            COMPREPLY=($(compgen -W "$(_kavoctl_options "$command")" -- "$cur")) ;;
    esac
}

complete -F _kavoctl kavoctl
