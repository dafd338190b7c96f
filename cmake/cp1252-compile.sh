#!/usr/bin/env bash
# Compiler launcher of the web tree: clang cannot compile UTF-8 literals into Windows-1252 as GCC's
# -fexec-charset does, so the source file of the command is converted to Windows-1252 beside its object
# and that copy is compiled; clang keeps the bytes of a literal as they are written. Headers hold no
# text outside comments and are read as they are.
set -eu
args=("$@")
object=""
for ((i = 0; i < ${#args[@]}; i++)); do
  [ "${args[i]}" = -o ] && object=${args[i + 1]}
done
for ((i = 0; i < ${#args[@]}; i++)); do
  if [ "${args[i]}" = -c ] && [ -n "$object" ]; then
    source=${args[i + 1]}
    converted="$object.cp1252.cpp"
    # The #line keeps the original name in diagnostics and in the tests' failure messages.
    { printf '#line 1 "%s"\n' "$source"; iconv -f UTF-8 -t CP1252 "$source"; } >"$converted"
    args[i + 1]=$converted
  fi
done
exec "${args[@]}"
