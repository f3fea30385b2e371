#!/bin/sh
# Runs every joiner that Kit.SplitsForTheJoinerTest left, with /bin/sh from
# another folder, as a receiver on Linux would: it must rebuild the input
# byte for byte, its checksum file must pass sha256sum -c, and with one piece
# damaged and another gone it must name both and write nothing. It refuses a
# folder or link at the name, follows no link planted at a temporary name, and
# keeps nothing when the joined file's hash does not match.
#   sh joiner_test.sh CASES-FOLDER
cases="$1"
failures=0
fail() { printf 'FAIL %s: %s\n' "$case" "$*"; failures=$((failures + 1)); }
count=0
refused() {  # $1: what is at the name
  before=$(ls -A "$dir/out"); if out=$(cd / && /bin/sh "$joiner" 2>&1); then fail "joined over $1"; fi
  [ "$out" = "$name is $1: nothing was written." ] && [ "$(ls -A "$dir/out")" = "$before" ] || fail "over $1: $out"
}
for dir in "$cases"/*/; do
  case=$(basename "$dir"); count=$((count + 1))
  set -- "$dir"in/*; input=$1; name=${input##*/}
  set -- "$dir"out/*.sh; joiner=$1
  set -- "$dir"out/*.S??; first=${1##*/}; second=${2##*/}

  out=$(cd / && /bin/sh "$joiner" 2>&1) || fail "joiner failed: $out"
  [ "$out" = "$name rebuilt and checked: OK" ] || fail "said: $out"
  cmp -s "$dir/out/$name" "$input" || fail "rebuilt file differs"
  (cd "$dir/out" && sha256sum --quiet -c "$name.sha256") || fail "sha256sum -c"
  [ "$(tail -n 1 "$dir/out/$name.sha256")" = "$(cd "$dir/in" && sha256sum "$name")" ] || fail "whole-file line"
  [ "$(wc -l < "$dir/out/$name.sha256")" -eq $(($# + 1)) ] || fail "not one line per piece and one for the file"
  [ "$(stat -c %a "$dir/out/$name")" = "$(printf '%o' $((0666 & ~0$(umask))))" ] || fail "not the umask's mode"
  rm "$dir/out/$name"
  mkdir "$dir/out/$name"; refused "a folder"; rmdir "$dir/out/$name" || fail "wrote into the folder"
  echo keep > "$dir/victim"; ln -s "$dir/victim" "$dir/out/$name"; refused "a symbolic link"
  [ -L "$dir/out/$name" ] || fail "the link was replaced"; rm "$dir/out/$name"
  printf 'exit 1\n' > "$dir/mktemp"; chmod +x "$dir/mktemp"  # a mktemp that fails: the joiner's own way
  for path in "$PATH" "$dir:$PATH"; do  # links at the names one could predict from the PID
    out=$(cd / && PATH=$path /bin/sh -c 'for t in .$$.rebuilding .cleavo.$$.0; do ln -s "$1" "$2/$t"; done
      exec /bin/sh "$3"' sh "$dir/victim" "$dir/out" "$joiner" 2>&1) || fail "with links planted: $out"
    [ "$(cat "$dir/victim")" = keep ] && cmp -s "$dir/out/$name" "$input" || fail "a planted link was followed"
    rm -f "$dir/out/$name" "$dir/out"/.*.rebuilding "$dir/out"/.cleavo.*
  done; rm "$dir/mktemp"
  # A cat that drops the last byte, as on a full disk: the whole file's hash must catch it.
  printf '#!/bin/sh\n/bin/cat "$@" | head -c -1\n' > "$dir/cat"; chmod +x "$dir/cat"; before=$(ls -A "$dir/out")
  if out=$(cd / && PATH="$dir:$PATH" /bin/sh "$joiner" 2>&1); then fail "a short join was kept"; fi
  [ "$out" = "The rebuilt $name does not match its SHA-256: it was deleted." ] && [ "$(ls -A "$dir/out")" = "$before" ] ||
    fail "short join: $out"; rm "$dir/cat"

  # One byte of the first piece changed, the second piece gone.
  printf 'X' | dd of="$dir/out/$first" bs=1 count=1 conv=notrunc 2>/dev/null
  mv "$dir/out/$second" "$dir/saved"
  before=$(ls -A "$dir/out")
  if out=$(/bin/sh "$joiner" 2>&1); then fail "a damaged split was joined"; fi
  case "$out" in *"Damaged: $first"*) ;; *) fail "damaged piece not named: $out" ;; esac
  case "$out" in *"Missing: $second"*) ;; *) fail "missing piece not named: $out" ;; esac
  [ "$(ls -A "$dir/out")" = "$before" ] || fail "the refused join left files"
done
[ "$count" -ge 13 ] || { echo "only $count cases found in $cases"; exit 1; }
echo "$count splits checked, $failures failures"
[ "$failures" -eq 0 ]
