#!/bin/sh
# Fails when a logic library includes or links QtWidgets: the command line and
# the logic tests must build and run without a GUI.
src=${1:?source folder}
status=0
for dir in frame design localisation project basket reports chart manual; do
    [ -d "$src/$dir" ] || continue
    if grep -rnE '#include *<(QtWidgets/|Q(Widget|Application|MainWindow|Dialog|MessageBox|Label|LineEdit|ComboBox|PushButton|TabWidget|FileDialog|PrintDialog|PrintPreviewDialog|TextEdit)>)' "$src/$dir"; then
        echo "src/$dir includes widget headers" >&2
        status=1
    fi
    if grep -nE 'Widgets' "$src/$dir/CMakeLists.txt" | grep -v '^[0-9]*:#' | grep -vi 'never'; then
        echo "src/$dir links Qt Widgets" >&2
        status=1
    fi
done
[ $status -eq 0 ] && echo "logic libraries are free of widgets"
exit $status
