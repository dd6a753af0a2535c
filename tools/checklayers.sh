#!/bin/sh
# Fails when a source file includes a header from a layer it may not depend on, naming the file,
# the line and the include. The libraries already fail to link on most such includes; this also
# catches the ones that compile by accident (inline code, a header-only class, the web plugin,
# whose undefined symbols only show when it is loaded).
# Given the QtCore header folder, it also checks that the layers meant to run without a display
# (model, cli) include Qt headers from QtCore only.
# usage: tools/checklayers.sh [source folder [QtCore header folder]]
set -eu
root=${1:-$(dirname "$0")/..}
qtcore=${2:-}
cd "$root"

# What each folder may include besides itself; the order of the layers, bottom first.
allowed() {
    case "$1" in
    platform) echo "platform/" ;;
    model) echo "model/" ;;
    widgets) echo "widgets/ platform/" ;;
    kit) echo "kit/ widgets/ model/ platform/" ;;
    catalogue | myscripts | help | find) echo "$1/ kit/ widgets/ model/ platform/" ;;
    webtools) echo "webtools/ kit/ widgets/ model/ platform/" ;;
    webtools/web) echo "webtools/web/ webtools/webwindowfactory.h webtools/previewview.h model/sandboxpolicy.h" ;;
    shell) echo "shell/ catalogue/ myscripts/ webtools/ help/ find/ kit/ widgets/ model/ platform/" ;;
    cli) echo "cli/ model/" ;;
    tools/sitegen) echo "tools/sitegen/ model/" ;;
    *) return 1 ;;
    esac
}

# Never allowed, whatever the prefix above says: the plugin is loaded, not linked.
forbidden_everywhere_but_plugin="webtools/web/"

status=0
for folder in platform model widgets kit catalogue myscripts webtools webtools/web help find shell cli \
    tools/sitegen; do
    [ -d "$folder" ] || continue
    prefixes=$(allowed "$folder")
    # Only the folder's own files; a subfolder with rules of its own is checked on its own.
    for file in $(find "$folder" -maxdepth 1 -type f \( -name '*.h' -o -name '*.cpp' \) | sort); do
        grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" |
            sed 's/^\([0-9]*\):[^"]*"\([^"]*\)".*/\1 \2/' >"${TMPDIR:-/tmp}/checklayers.$$" || true
        while read -r line target; do
            case "$target" in
            */*) ;;
            *.moc | ui_*.h) continue ;;
            *) target="$folder/$target" ;; # a file beside this one
            esac
            ok=0
            for prefix in $prefixes; do
                case "$target" in
                "$prefix"*) ok=1 ;;
                esac
            done
            if [ "$folder" != webtools/web ]; then
                case "$target" in
                "$forbidden_everywhere_but_plugin"*) ok=0 ;;
                esac
            fi
            if [ "$ok" -eq 0 ]; then
                echo "$file:$line: $folder may not include \"$target\" (allowed: $prefixes)"
                status=1
            fi
        done <"${TMPDIR:-/tmp}/checklayers.$$"
        rm -f "${TMPDIR:-/tmp}/checklayers.$$"
        case "$folder" in
        model | cli) ;;
        *) continue ;;
        esac
        [ -n "$qtcore" ] || continue
        grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file" |
            sed 's/^\([0-9]*\):[^<]*<\([^>]*\)>.*/\1 \2/' >"${TMPDIR:-/tmp}/checklayers.$$" || true
        while read -r line header; do
            if [ ! -e "$qtcore/${header#QtCore/}" ]; then
                echo "$file:$line: $folder may use Qt Core only, not <$header>"
                status=1
            fi
        done <"${TMPDIR:-/tmp}/checklayers.$$"
        rm -f "${TMPDIR:-/tmp}/checklayers.$$"
    done
done
exit $status
