#!/usr/bin/env bash
# Writes THIRD-PARTY-NOTICES.txt for the Windows module: the notices of what
# HLV3.aex links statically, copied from the very sources and packages the
# build used, never retyped:
#   - GLEW: its own LICENSE.txt from the source tree the build compiled;
#   - mingw-w64's runtime and winpthreads: their entries in the Debian
#     copyright file of the package that holds the libwinpthread.a the
#     compiler links;
#   - the GCC runtime (libgcc, libstdc++): its terms and the GCC Runtime
#     Library Exception from the copyright file of the package that holds the
#     compiler's libstdc++.a.
# Usage: third-party-notices.sh CXX GLEW_SOURCE_DIR OUTPUT
set -euo pipefail
[[ $# -eq 3 ]] || { echo "usage: $0 CXX GLEW_SOURCE_DIR OUTPUT" >&2; exit 2; }
cxx=$1 glew=$2 out=$3

fail() {
  echo "third-party-notices.sh: $*" >&2
  exit 1
}

# The Debian package owning FILE, and its copyright file.
package_of() { # file
  local owner
  owner=$(dpkg-query -S "$(readlink -f "$1")" 2>/dev/null | head -n1) || fail "no package holds $1"
  echo "${owner%%:*}"
}
library_copyright() { # library-file-name -> "package version copyright-path"
  local file package
  file=$("$cxx" -print-file-name="$1")
  [[ $file == /* && -f $file ]] || fail "$cxx does not link a $1"
  package=$(package_of "$file")
  [[ -r /usr/share/doc/$package/copyright ]] || fail "/usr/share/doc/$package/copyright is missing"
  echo "$package $(dpkg-query -W -f='${Version}' "$package") /usr/share/doc/$package/copyright"
}

# The paragraphs of a machine-readable copyright file whose Files: field
# starts with one of the patterns, then the stand-alone License paragraphs
# they name.
dep5_entries() { # copyright-file pattern-regex
  awk -v want="$2" '
    BEGIN { RS = ""; ORS = "\n\n" }
    /^Files:/ {
      split($0, lines, "\n"); files = lines[1]; sub(/^Files: */, "", files)
      if (files !~ want) next
      print
      if (match($0, /\nLicense: *[^\n]*/)) {
        names = substr($0, RSTART + 1, RLENGTH - 1); sub(/^License: */, "", names)
        n = split(names, parts, / (and|or) /)
        for (i = 1; i <= n; i++) used[parts[i]] = 1
      }
      next
    }
    /^License:/ { split($0, lines, "\n"); name = lines[1]; sub(/^License: */, "", name); text[++k] = $0; key[k] = name }
    END { for (i = 1; i <= k; i++) if (key[i] in used) print text[i] }' "$1"
}

# The lines from the first matching START up to the next matching END, which
# is left out; fails when either is missing.
section() { # file start-regex end-regex
  awk -v start="$2" -v end="$3" '
    on && $0 ~ end { found = 1; exit }
    $0 ~ start { on = 1 }
    on { print }
    END { exit !found }' "$1" || fail "$1 has no section from '$2' to '$3'"
}

[[ -r $glew/LICENSE.txt ]] || fail "$glew/LICENSE.txt is missing"
read -r mingw_package mingw_version mingw_copyright < <(library_copyright libwinpthread.a)
read -r gcc_package gcc_version gcc_copyright < <(library_copyright libstdc++.a)
mingw=$(dep5_entries "$mingw_copyright" '^(\*|mingw-w64-crt/|mingw-w64-libraries/winpthreads/(\*|include|src))')
gcc_terms=$(section "$gcc_copyright" '^GCC is Copyright' '^The libbacktrace library')
gcc_exception=$(section "$gcc_copyright" '^GCC RUNTIME LIBRARY EXCEPTION' '^libquadmath/')
[[ $mingw == *winpthreads* && -n $gcc_terms && $gcc_exception == *"No Weakening"* ]] ||
  fail "the copyright files no longer hold the expected entries ($mingw_copyright, $gcc_copyright)"

tmp=$out.tmp
# A half-written file must not stay beside the output when a step fails.
trap 'rm -f "$tmp"' EXIT
{
  cat <<HEAD
THIRD-PARTY NOTICES

HLV3.aex contains code from the projects below, linked into the module. Their
notices follow, each copied from the source or package the build used.


1. GLEW, The OpenGL Extension Wrangler Library (from $(basename "$glew")/LICENSE.txt)
================================================================================

HEAD
  cat "$glew/LICENSE.txt"
  cat <<MID


2. mingw-w64 runtime and winpthreads (from the Debian package
   $mingw_package $mingw_version, $mingw_copyright)
================================================================================

$mingw

3. GCC runtime libraries, libgcc and libstdc++ (from the Debian package
   $gcc_package $gcc_version, $gcc_copyright)
================================================================================

$gcc_terms

$gcc_exception
MID
} >"$tmp"
mv "$tmp" "$out"
