#!/usr/bin/env bash
# Screenshots of the header data dialog and the report layout editor, in German and in English, with
# the example layout examples/report/housing-layout.cfg stored as the report layout.
# Usage: scripts/dialog-screenshots.sh OUTPUT_FOLDER [DISPLAY_NUMBER]
# Needs xvfb, imagemagick (import) and xdotool besides the build; a developer installs them by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath "$1")
display=:${2:-98}
mkdir -p "$out"
bin=$(realpath build/release/bin)
home=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$home"' EXIT
cp -r "$bin/LanguageFiles" examples/demo/HeaderData.cfg "$home/"

# The example layout's values as the settings hold them.
layout() {
    cat <<'INI'
[ExcelReportSettings]
Zeile_Spalte=-1
FormStartRow=10
FormEndRow=39
FormMeasColums=E-H
FormIDColum=A
FormNominalColum=B
FormUTolColum=D
FormOTolColum=C
FormDevColum=I
FormATolColum=J
FormSymbolColum=K
FormCommentColum=L
CommentLength=30
FormDateRow=7
FormTimeRow=8
Element1Colum=NotUsed
Element2Colum=NotUsed
Element3Colum=NotUsed
Bezug1Colum=NotUsed
Bezug2Colum=NotUsed
Bezug3Colum=NotUsed
EinheitColum=NotUsed
ZeileProgrammName=3
SpalteProgrammName=B
ZeileZeichnungsnummer=4
SpalteZeichnungsnummer=B
ZeileAenderungsstand=5
SpalteAenderungsstand=B
SeitennummerSpalte=H
SeitennummerZeile=2
SeitenAnzahlSpalte=H
SeitenAnzahlZeile=3
Kopfdaten_1_1=3
Kopfdaten_1_2=4
Kopfdaten_1_3=5
Kopfdaten_1_4=6
Kopfdaten_2_1=L
Kopfdaten_2_2=L
Kopfdaten_2_3=L
Kopfdaten_2_4=L
LfdNr=NotUsed
INI
}

Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp & xvfb=$!
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb KORVEX_TABULOR_HOME=$home
export KORVEX_TABULOR_MACHINE_SETTINGS=$home/machine.ini KORVEX_TABULOR_USER_SETTINGS=$home/user.ini

# Opens item `downs` of the settings menu and saves the dialog named `title` as `file`.
shoot() {
    local downs=$1 title=$2 file=$3
    xdotool mousemove 96 9 click 1
    sleep 1
    for _ in $(seq "$downs"); do xdotool key Down; done
    xdotool key Return
    sleep 2
    local window
    window=$(xdotool search --name "$title" | tail -n 1)
    import -window "$window" "$out/$file"
    xdotool key --window "$window" Escape
    sleep 1
}

for language in German English; do
    { layout; printf '\n[LanguageSettings]\nLanguage=%s\n' "$language"; } >"$home/machine.ini"
    "$bin/korvex-tabulor" & tabulor=$!
    sleep 3
    window=$(xdotool search --name "KORVEX - Tabulor" | head -n 1)
    xdotool windowmove --sync "$window" 0 0
    sleep 1
    suffix=$(echo "$language" | tr '[:upper:]' '[:lower:]')
    if [ "$language" = German ]; then names=("Kopfdaten -" "Berichtsformat einrichten"); else names=("Header data -" "Report layout"); fi
    shoot 3 "${names[0]}" "header-data-$suffix.png"
    shoot 4 "${names[1]}" "report-layout-$suffix.png"
    kill $tabulor
    wait $tabulor 2>/dev/null || true
done
