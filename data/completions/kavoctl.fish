# fish completion for kavoctl: commands, their options, and the mode, type, format and action
# names.
# The lists follow `kavoctl help`.

set -l commands version ramp matrix sun schedule status apply reset pause resume mode type location set shortcut help
set -l types custom health sleep gaming reading programming biohacker sunglasses dark movie overlay
set -l actions increase-temperature decrease-temperature increase-brightness decrease-brightness start-overlay end-overlay effects pause-resume manual-automatic start-break pause-resume-timer quit zoom-in zoom-out

complete -c kavoctl -f
complete -c kavoctl -n "not __fish_seen_subcommand_from $commands" -a version -d 'Print the version'
complete -c kavoctl -n "not __fish_seen_subcommand_from $commands" -a ramp -d 'The gamma ramps for a colour'
complete -c kavoctl -n "not __fish_seen_subcommand_from $commands" -a matrix -d 'The colour matrix for a colour'
complete -c kavoctl -n "not __fish_seen_subcommand_from $commands" -a sun -d 'Sunrise and sunset at a place'
complete -c kavoctl -n "not __fish_seen_subcommand_from $commands" -a schedule -d 'What a settings file asks for'
complete -c kavoctl -n "not __fish_seen_subcommand_from $commands" -a status -d 'What the running Kavo shows'
complete -c kavoctl -n "not __fish_seen_subcommand_from $commands" -a apply -d 'Set the colours while no Kavo runs'
complete -c kavoctl -n "not __fish_seen_subcommand_from $commands" -a reset -d 'Put the calibration back while no Kavo runs'
complete -c kavoctl -n "not __fish_seen_subcommand_from $commands" -a pause -d 'Hold the colours at neutral'
complete -c kavoctl -n "not __fish_seen_subcommand_from $commands" -a resume -d 'Follow the schedule again'
complete -c kavoctl -n "not __fish_seen_subcommand_from $commands" -a mode -d 'Switch the mode'
complete -c kavoctl -n "not __fish_seen_subcommand_from $commands" -a type -d 'Switch the type'
complete -c kavoctl -n "not __fish_seen_subcommand_from $commands" -a location -d 'Use a place for the sun schedule'
complete -c kavoctl -n "not __fish_seen_subcommand_from $commands" -a set -d 'The day or night colour'
complete -c kavoctl -n "not __fish_seen_subcommand_from $commands" -a shortcut -d 'Do what a global shortcut does'
complete -c kavoctl -n "not __fish_seen_subcommand_from $commands" -a help -d 'List the commands'

complete -c kavoctl -n "__fish_seen_subcommand_from mode" -a "automatic manual paused"
complete -c kavoctl -n "__fish_seen_subcommand_from type" -a "$types"
complete -c kavoctl -n "__fish_seen_subcommand_from shortcut" -a "$actions"
complete -c kavoctl -n "__fish_seen_subcommand_from set; and not __fish_seen_subcommand_from temperature brightness" -a "temperature brightness"
complete -c kavoctl -n "__fish_seen_subcommand_from set; and __fish_seen_subcommand_from temperature brightness" -a "day night"

complete -c kavoctl -n "__fish_seen_subcommand_from ramp matrix apply" -l temperature -x -d 'Kelvin, 0..10000'
complete -c kavoctl -n "__fish_seen_subcommand_from ramp matrix apply" -l brightness -x -d 'Percent, 10..150'
complete -c kavoctl -n "__fish_seen_subcommand_from ramp matrix" -l scheme -x -d 'Colour scheme 1..6'
complete -c kavoctl -n "__fish_seen_subcommand_from ramp matrix" -l leading-color -x -d 'Leading colour 1..3'
complete -c kavoctl -n "__fish_seen_subcommand_from ramp" -l base -x -a "identity inverted"
complete -c kavoctl -n "__fish_seen_subcommand_from matrix" -l effect -x -d 'Colour effect 1..28'
complete -c kavoctl -n "__fish_seen_subcommand_from matrix" -l inverted -d 'Inverted colours'
complete -c kavoctl -n "__fish_seen_subcommand_from matrix" -l saturation -x -d 'Percent, 0..200'
complete -c kavoctl -n "__fish_seen_subcommand_from sun" -l latitude -x -d 'Degrees north'
complete -c kavoctl -n "__fish_seen_subcommand_from sun" -l longitude -x -d 'Degrees east'
complete -c kavoctl -n "__fish_seen_subcommand_from sun schedule" -l at -x -d 'ISO 8601 time or milliseconds'
complete -c kavoctl -n "__fish_seen_subcommand_from schedule" -l settings -r -F -d 'A settings file'
complete -c kavoctl -n "__fish_seen_subcommand_from schedule" -l monitor -x -d 'Monitor number, 0 for all'
complete -c kavoctl -n "__fish_seen_subcommand_from status" -l follow -d 'A line each time the status changes'
complete -c kavoctl -n "__fish_seen_subcommand_from status" -l format -x -a "json waybar" -d 'The output form'
