#!/usr/bin/env bash
# The core's floors: ports, then colour and ui, then pick, then app. A file includes only its own
# folder and the floors below it, so no core folder reaches up into one that builds on it.
#   check_layers.sh SOURCE_ROOT
set -uo pipefail
src=${1:-$(dirname "$0")/..}/src
declare -A floor=([ports]=0 [colour]=1 [ui]=1 [pick]=2 [app]=3)
faults=0
for folder in "${!floor[@]}"; do
  while IFS=: read -r file line included; do
    target=${included%%/*}
    [ "$target" = "$folder" ] && continue
    if [ -z "${floor[$target]+set}" ] || [ "${floor[$target]}" -ge "${floor[$folder]}" ]; then
      echo "$file:$line includes $included, which is not below $folder/" >&2
      faults=$((faults + 1))
    fi
  done < <(grep -rnoE '#include "[a-z0-9_]+/[^"]+"' "$src/$folder" | sed -E 's/:#include "/:/; s/"$//')
done
[ "$faults" -eq 0 ] && echo "the core's includes run one way"
exit $((faults > 0))
