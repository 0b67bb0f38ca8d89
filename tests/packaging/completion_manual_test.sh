#!/usr/bin/env bash
# Every method, window button, control and list item tessaly-cli knows is offered by the
# bash completion (with and without bash-completion's helpers) and named in the manual page.
#   completion_manual_test.sh TESSALY-CLI COMPLETION-SCRIPT MANUAL-PAGE
set -o pipefail
cli=$1 completion=$2 manual=$3
# The completion asks the tessaly-cli it finds on the path.
PATH=$(dirname "$cli"):$PATH
failures=0
miss() { echo "missing: $*"; failures=$((failures + 1)); }

# The completions offered for a command line typed up to its end.
complete_line() {
  COMP_LINE=$1 COMP_POINT=${#1} COMPREPLY=()
  read -ra COMP_WORDS <<<"$1"
  COMP_WORDS+=("")  # every line here ends with a blank
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  _tessaly_cli
  printf '%s\n' "${COMPREPLY[@]}"
}
# Whether the lines of $1 hold the line $2.
has_line() { [[ $'\n'$1$'\n' == *$'\n'"$2"$'\n'* ]]; }
page=$(<"$manual")
# A manual page paragraph: from the line naming KEY to the next paragraph.
paragraph() {
  local rest=${page#*$'\n'.B "$1"$'\n'}
  [[ $rest == "$page" ]] || echo "${rest%%$'\n'.TP*}"
}

check() {
  local mode=$1 offered key line word text
  offered=$(complete_line "tessaly-cli run ")
  for key in "${keys[@]}"; do
    has_line "$offered" "$key" || miss "$mode: run completion lacks $key"
  done
  for key in "${!controls[@]}"; do
    offered=$(complete_line "tessaly-cli run $key --field ")
    text=$(paragraph "$key")
    while IFS= read -r line; do
      line=${line%"${line##*[! ]}"}
      [[ $line == *=* ]] || line+="="
      has_line "$offered" "$line" || miss "$mode: $key --field completion lacks '$line'"
      for word in "${line%%=*}" "${line#*=}"; do
        [[ -z $word || $mode != plain ]] && continue
        [[ $text == *"$word"* ]] || miss "manual: $key lacks '$word'"
      done
    done <<<"${controls[$key]}"
  done
}

# Every method and window button, and the controls of each button.
mapfile -t keys < <("$cli" list | cut -d' ' -f1)
declare -A controls
for key in "${keys[@]}"; do
  text=$("$cli" controls "$key" 2>/dev/null) && controls[$key]=$text
done
((${#keys[@]} > 50 && ${#controls[@]} > 5)) || miss "tessaly-cli lists too little"

for key in "${keys[@]}"; do
  [[ $page == *"$key"* ]] || miss "manual lacks $key"
done

source "$completion"
check plain
bash_completion=/usr/share/bash-completion/bash_completion
if [[ -r $bash_completion ]]; then
  source "$bash_completion"
  source "$completion"
  check bash-completion
fi
((failures == 0)) && echo "completion and manual page name everything tessaly-cli knows"
exit $((failures > 0))
