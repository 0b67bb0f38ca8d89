# bash completion for tessaly-cli. The methods, window buttons, controls and list items
# come from the program itself (tessaly-cli list, tessaly-cli controls), so they always
# match the installed version.

_tessaly_cli() {
  local cur prev words cword
  if declare -F _get_comp_words_by_ref >/dev/null; then
    _get_comp_words_by_ref -n =: cur prev words cword
  else
    # Without bash-completion's helpers: the line up to the cursor, split at blanks only.
    local line=${COMP_LINE:0:COMP_POINT}
    read -ra words <<<"$line"
    [[ -z $line || $line == *[[:blank:]] ]] && words+=("")
    cword=$((${#words[@]} - 1)) cur=${words[cword]} prev=${words[cword - 1]}
  fi
  local cli=${words[0]}
  COMPREPLY=()

  if ((cword == 1)); then
    mapfile -t COMPREPLY < <(compgen -W 'list run controls eval help --help' -- "$cur")
    return
  fi

  local keys
  case ${words[1]} in
    run)
      if ((cword == 2)); then
        keys=$("$cli" list 2>/dev/null | cut -d' ' -f1)
        mapfile -t COMPREPLY < <(compgen -W "$keys" -- "$cur")
        return
      fi
      ;;
    controls)
      if ((cword == 2)); then
        keys=$("$cli" list 2>/dev/null | cut -d' ' -f1 | grep -E '\.(Command[0-9]+|cmd[A-Za-z]+)$')
        mapfile -t COMPREPLY < <(compgen -W "$keys" -- "$cur")
      fi
      return
      ;;
    help)
      if ((cword == 2)); then
        mapfile -t COMPREPLY < <(compgen -W 'LinearFrm Ultra MatrixCValueCVector InsertValue
                                              ValueCalculus UsualDiffEquation' -- "$cur")
      fi
      return
      ;;
    *) return ;;
  esac

  # Options of run WINDOW.ITEM or run WINDOW.BUTTON.
  local target=${words[2]} controls
  controls=$("$cli" controls "$target" 2>/dev/null)
  local button=$?
  case $prev in
    --input | --plot | --csv)
      mapfile -t COMPREPLY < <(compgen -f -- "$cur")
      compopt -o filenames 2>/dev/null
      return
      ;;
    --field)
      local line choices=()
      while IFS= read -r line; do
        line=${line%"${line##*[! ]}"}  # an item's trailing blanks need not be typed
        [[ $line == *=* ]] && choices+=("$line") || choices+=("$line=")
      done <<<"$controls"
      local c
      for c in "${choices[@]}"; do
        [[ $c == "$cur"* ]] && COMPREPLY+=("$c")
      done
      # Bash splits the word at '=': offer only what follows it.
      if [[ $cur == *=* && $COMP_WORDBREAKS == *=* ]]; then
        COMPREPLY=("${COMPREPLY[@]#"${cur%%=*}="}")
      fi
      [[ ${#COMPREPLY[@]} -eq 1 && ${COMPREPLY[0]} == *= ]] && compopt -o nospace 2>/dev/null
      return
      ;;
    --answer | --digits | --colour | --step) return ;;
  esac
  local options='--input --answer --digits --plot --step --convergence --lf'
  ((button == 0)) && options='--field --answer --plot --colour --csv --lf'
  mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
}

complete -F _tessaly_cli tessaly-cli
