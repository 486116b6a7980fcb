#!/usr/bin/env bash
# Fails when a file includes what its layer may not see: the model layer
# (core/ and model files) no Qt, the drawing layer (canvas/ and painters) no
# QtWidgets, shared folders nothing from the windows, and only shell/ the
# windows themselves. Layers are read from the CMake lists, so a file is
# judged by the target it is built into.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
fail() { echo "layering: $*"; status=1; }

# Files of one target, from every target_sources(<target> ...) call.
files_of() {
  local target=$1
  find . -name CMakeLists.txt -not -path './build*' -not -path './tests/*' -not -path './bench/*' \
    -not -path './tools/*' -print0 |
    while IFS= read -r -d '' list; do
      dir=$(dirname "$list")
      tr '\n' ' ' < "$list" | grep -o "target_sources($target PRIVATE[^)]*)" |
        sed "s/target_sources($target PRIVATE//; s/)//" | tr ' ' '\n' | grep -E '\.(h|cpp)$' |
        sed "s|^|$dir/|" || true
    done | sed 's|^\./||' | sort -u
}

model=$(files_of lumivista_model)
draw=$(files_of lumivista_draw)
windows=$(files_of lumivista_ui; files_of lumivista_shell)
[ -n "$model" ] && [ -n "$draw" ] || { echo "layering: no files found"; exit 1; }

# Any Qt header, by any include path: <Q...>, <QtCore/...>, <qt...>.
qt_include='^\s*#\s*include\s*[<"](Qt[A-Za-z]*/|Q[A-Z][A-Za-z]*>|q[a-z]+\.h>)'
widgets_include='^\s*#\s*include\s*[<"](QtWidgets/|QtOpenGLWidgets/|QtMultimediaWidgets/|Q(Widget|Dialog|Label|LineEdit|PushButton|Application|MainWindow|Layout|AbstractButton|CheckBox|ComboBox|Frame|GroupBox|MessageBox|ScrollArea|Slider|SpinBox|TabWidget|ToolButton|ProgressBar|StatusBar|OpenGLWidget|VideoWidget)[A-Za-z]*>)'
for f in $model; do
  grep -nE "$qt_include" "$f" && fail "$f (model) includes Qt"
done
for f in $draw; do
  grep -nE "$widgets_include" "$f" && fail "$f (drawing) includes QtWidgets"
done

# Project includes: "folder/..." must not point up or sideways into windows.
project_includes() { grep -hoE '^\s*#\s*include\s*"[a-z]+/[^"]+"' "$@" | sed -E 's/.*"([^"]+)"/\1/' || true; }
for f in $model $draw; do
  for inc in $(project_includes "$f"); do
    case "$inc" in widgets/* | shell/*) fail "$f includes $inc" ;; esac
    for g in $windows; do
      [ "$inc" = "$g" ] && fail "$f includes $inc, a widget-layer file"
    done
  done
done
for f in $(find core canvas widgets -name '*.h' -o -name '*.cpp'); do
  for inc in $(project_includes "$f"); do
    case "$inc" in core/* | canvas/* | widgets/*) ;; *) fail "$f (shared) includes $inc" ;; esac
  done
done
# Windows (Unit*.h and U_main.h) are included only from shell/ and tests.
for f in $(git ls-files '*.h' '*.cpp' | grep -vE '^(shell|tests|tools|bench)/'); do
  for inc in $(project_includes "$f"); do
    case "$inc" in
      */Unit*.h | */U_main.h)
        [ "$(dirname "$inc")" = "$(dirname "$f")" ] || fail "$f includes the window $inc" ;;
      shell/*) fail "$f includes $inc" ;;
    esac
  done
done
[ $status -eq 0 ] && echo "layering: fine"
exit $status
