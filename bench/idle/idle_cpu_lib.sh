# What the idle CPU scripts share; sourced by idle_cpu_x11.sh and idle_cpu_wayland.sh.

# A work folder of the run, and the processes started in it, both gone when the script ends.
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Nanoseconds on a CPU, summed over the process's threads (finer than the clock ticks of
# /proc/PID/stat, which count in 10 ms steps).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{sum += $1} END {printf "%d", sum}'; }

# print_table TITLE SECONDS RESULTS: the "NAME<TAB>microseconds" lines of RESULTS as a table.
print_table() {
  local title=$1 seconds=$2 results=$3
  echo "$title"
  echo
  echo "| program | CPU over ${seconds} s | per minute |"
  echo "|---|---:|---:|"
  while IFS=$'\t' read -r name us; do
    printf '| %s | %d.%01d ms | %d.%01d ms |\n' "$name" $(( us / 1000 )) $(( us % 1000 / 100 )) \
      $(( us * 60 / seconds / 1000 )) $(( us * 60 / seconds % 1000 / 100 ))
  done < "$results"
}
