#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A whole measurement by keyboard, heard as a Bulgarian pupil hears it: the
# real screen reader, Orca, in Bulgarian, speaking through speech-dispatcher
# and espeak-ng into a sound server, in a virtual X server with a window
# manager and a private session bus. Checks what Orca said (its debug
# transcript), what espeak-ng was asked to say (the speech server's module
# log) and that sound reached the speakers.
#   screen_reader_test.sh PROGRAM
set -u
if [ -z "${KVELMOR_PRIVATE_BUS:-}" ]; then
    work=$(mktemp -d)
    mkdir -m 700 "$work/home" "$work/run"
    export HOME=$work/home XDG_RUNTIME_DIR=$work/run KVELMOR_WORK=$work
    export LANG=bg_BG.UTF-8 LC_ALL=bg_BG.UTF-8 LANGUAGE=bg
    KVELMOR_PRIVATE_BUS=1 dbus-run-session -- "$0" "$@" 2> >(grep -v '^dbus-daemon\|^SpiRegistry' >&2)
    status=$?
    [ -n "${KVELMOR_KEEP:-}" ] || rm -rf "$work"
    exit $status
fi
program=$1
work=${KVELMOR_WORK:-}
[ -d "$work" ] || { echo "FAIL: run this test without KVELMOR_PRIVATE_BUS set"; exit 1; }
app= wm= orca= sound= recorder= xvfb=
stop_all() {
    kill $app $wm $recorder 2>/dev/null
    kill -9 $orca 2>/dev/null
    [ -s "$work/speechd.pid" ] && kill "$(cat "$work/speechd.pid")" 2>/dev/null
    kill $sound $xvfb 2>/dev/null
    wait 2>/dev/null
}
trap stop_all EXIT
fail() { echo "FAIL: $*"; exit 1; }
# Waits up to ten seconds for a command to succeed.
await() {
    for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
grep -qi '^bg_BG.utf-\?8$' <<<"$(locale -a)" || fail "the locale bg_BG.UTF-8 is not generated"

source "$(dirname "$0")/../support/virtual_display.sh"
start_virtual_display "$work"
openbox --sm-disable >/dev/null 2>&1 &
wm=$!

# The speakers: a sound server with a sink that goes nowhere, recorded.
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --load=module-native-protocol-unix \
    --load="module-null-sink sink_name=speakers" >"$work/pulseaudio.log" 2>&1 &
sound=$!
await pactl info || { cat "$work/pulseaudio.log"; fail "the sound server did not start"; }
pactl set-default-sink speakers
parec -d speakers.monitor --raw --format=s16le --rate=16000 --channels=1 >"$work/heard.raw" &
recorder=$!

# The speech server, before Orca, with its debug logs in the work folder.
mkdir "$work/speech"
TMPDIR=$work/speech speech-dispatcher -d -t 0 -l 5 -L "$work/speech" -D -P "$work/speechd.pid" \
    >"$work/speechd.out" 2>&1 || { cat "$work/speechd.out"; fail "speech-dispatcher did not start"; }

orca --user-prefs "$work/prefs" --enable braille --debug-file="$work/orca.out" >"$work/orca.log" 2>&1 &
orca=$!
exec 3>&1
orca_is_up() {
    # Said past await, which silences the command it waits for.
    kill -0 "$orca" 2>/dev/null || { cat "$work/orca.log" >&3; fail "Orca could not start" >&3; }
    /usr/bin/python3 -c 'import pyatspi, sys
sys.exit(not any(a and a.name == "orca" for a in pyatspi.Registry.getDesktop(0)))'
}
await orca_is_up || await orca_is_up || fail "Orca did not come up within 20 seconds"

# A pupil listens to the end before the next key: waits until the speech
# server's log has been still for a second (it logs all the while sound
# plays), at most 20 seconds.
speech_log=$work/speech/speechd-debug/speech-dispatcher.log
await_silence() {
    local size last=-1 still=0
    sleep 0.5
    for _ in $(seq 200); do
        size=$(stat -c %s "$speech_log" 2>/dev/null || echo 0)
        if [ "$size" = "$last" ]; then
            still=$((still + 1))
            [ $still -ge 10 ] && return 0
        else
            still=0 last=$size
        fi
        sleep 0.1
    done
}

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >/dev/null 2>&1 &
app=$!
wait_for_window || fail "the window did not appear"
await_silence
# Left pan: 1 and 9; the empty result box; right pan: 6; "Изчисли", twice;
# back to the result box; "Изчисти"; then "Избира" and the values 2, 5 and 7.
for key in Tab Down End Tab Tab Home Tab Tab Tab space space \
    shift+Tab shift+Tab shift+Tab shift+Tab Tab Tab space \
    Tab Tab Tab Down space 2 5 7; do
    xdotool key "$key"
    await_silence
done

# Orca handles the signal once an event wakes it; a key press is one.
kill -INT "$orca"
xdotool key shift
await eval '! kill -0 '"$orca" || fail "Orca did not end on SIGINT"
grep -a 'SPEECH OUTPUT:' "$work/orca.out" | sed "s/^.*SPEECH OUTPUT: '//; s/' *{.*$//" \
    >"$work/spoken" || fail "Orca wrote no transcript"
espeak_log=$(find "$work/speech" -name 'espeak-ng.log' | head -n 1)
[ -n "$espeak_log" ] || fail "espeak-ng's module wrote no log"
grep -a 'Requested data:' "$espeak_log" |
    sed 's/^.*Requested data: |//; s/| [0-9 ]*$//; s/<mark[^>]*\/>//g; s/<[^>]*>//g; s/  */ /g; s/^ //; s/ $//' \
        >"$work/synthesized"
echo "Orca said:"
sed 's/^/    /' "$work/spoken"
echo "espeak-ng was asked to say:"
sed 's/^/    /' "$work/synthesized"

# Each phrase must come, in this order, after the one before or on its line.
in_order() { # in_order FILE PHRASE...
    local file=$1 line=1 phrase found
    shift
    for phrase in "$@"; do
        found=$(tail -n +"$line" "$file" | grep -nF -m 1 -- "$phrase" | cut -d: -f1)
        [ -n "$found" ] || fail "from line $line of $(basename "$file") on, there is no: $phrase"
        line=$((line + found - 1))
    done
}
in_order "$work/spoken" 'Философия, Логика, везна и тежести' 'Ляво' '1, 6 и 9' \
    'Тежестта 1 е в лявото блюдо.' 'Тежестта 9 е в лявото блюдо.' 'Измервана маса' \
    'Дясно' 'Тежестта 6 е в дясното блюдо.' 'Изчисли' \
    '1 плюс 9 минус 6 е равно на 4.' '1 плюс 9 минус 6 е равно на 4.' 'Дясно' 'Измервана маса' \
    '1 плюс 9 минус 6 равно на 4' 'Изчисти' \
    'Везната е изчистена. Можете да поставите тежестите 1, 6 и 9.' \
    'Налични' 'Списък с 9 елемента' 'Режим Избира. Изберете три тежести от списъка Налични.' \
    'Избрахте 2. Изберете още две тежести.' 'Избрахте 5. Изберете още една тежест.' \
    'Избрахте 7. Избрани са 2, 5 и 7. Вече можете да изберете режим Измерва.'
in_order "$work/synthesized" 'Ляво' 'Тежестта 1 е в лявото блюдо' 'Тежестта 9 е в лявото блюдо' \
    'Дясно' 'Тежестта 6 е в дясното блюдо' '1 плюс 9 минус 6 е равно на 4' \
    'Измервана маса' '1 плюс 9 минус 6 равно на 4' \
    'Везната е изчистена. Можете да поставите тежестите 1, 6 и 9' \
    'Режим Избира. Изберете три тежести от списъка Налични' 'Изберете още две тежести' \
    'Изберете още една тежест' 'Вече можете да изберете режим Измерва'
# The notices reach a braille display too (Orca logs its lines without one).
grep -a 'BRAILLE LINE:' "$work/orca.out" | sed "s/^.*BRAILLE LINE: *'//; s/'$//" >"$work/braille"
in_order "$work/braille" 'Тежестта 1 е в лявото блюдо.' 'Тежестта 6 е в дясното блюдо.' \
    '1 плюс 9 минус 6 е равно на 4.' 'Измервана маса 1 плюс 9 минус 6 равно на 4' \
    'Везната е изчистена. Можете да поставите тежестите 1, 6 и 9.' 'Изберете още две тежести.'
# Marks read aloud as words a pupil would hear in the middle of arithmetic.
heard_marks=$(grep -n 'двоеточие\|тире' "$work/synthesized")
[ -z "$heard_marks" ] || fail "the synthesizer was asked to say marks: $heard_marks"
# Each consequence is told once, and the result once for each press.
told() { # told TIMES SENTENCE...
    local times=$1 sentence count
    shift
    for sentence in "$@"; do
        count=$(grep -cF -- "$sentence" "$work/spoken")
        [ "$count" -eq "$times" ] || fail "Orca said $count times, not $times: $sentence"
    done
}
told 1 'Тежестта 1 е в лявото блюдо.' 'Тежестта 9 е в лявото блюдо.' 'Тежестта 6 е в дясното блюдо.' \
    'Везната е изчистена. Можете да поставите тежестите 1, 6 и 9.' 'Изберете още две тежести.' \
    'Изберете още една тежест.' 'Вече можете да изберете режим Измерва.'
told 2 '1 плюс 9 минус 6 е равно на 4.'
# The result box on its last visit: its text once, whole, and nothing selected.
last_visit=$(sed -n '/^Изчисли/,$p' "$work/spoken" | sed -n '/Измервана маса/,/Изчисти/p')
[ "$(grep -c '1 плюс 9 минус 6 равно на 4' <<<"$last_visit")" -eq 1 ] ||
    fail "the result box was not read once and whole: $last_visit"
grep -q 'избран' <<<"$last_visit" && fail "the result box was read as selected: $last_visit"

# Sound, not silence: samples well above the noise floor.
loud=$(od -An -v -t d2 -w2 "$work/heard.raw" | awk '$1 > 2000 || $1 < -2000 { n++ } END { print n + 0 }')
echo "samples heard: $(($(stat -c %s "$work/heard.raw") / 2)), loud ones: $loud"
[ "$loud" -gt 1600 ] || fail "no speech reached the speakers"
echo "ok: the pupil heard the title, the pan's weights, each placing, the result (again on a second press)"
echo "    and the result box in words, and what is still to choose; the notices reached braille"
