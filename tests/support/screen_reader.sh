# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the tests that hear the exercise as a Bulgarian pupil hears it:
# the real screen reader, Orca, in Bulgarian, speaking through
# speech-dispatcher and espeak-ng into a sound server, in a virtual X server
# with a window manager and a private session bus. A test sources this at
# its top, starts what it hears with start_hearing, presses keys with
# press_and_listen, then reads what was said with stop_hearing, in_order,
# told and heard_sound.
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
source "$(dirname "${BASH_SOURCE[0]}")/virtual_display.sh"

# start_hearing COMMAND...: the display, the speakers, the speech server and
# Orca, then the command, whose window must appear.
start_hearing() {
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
    await orca_is_up || await orca_is_up || fail "Orca did not come up within 20 seconds"
    "$@" >/dev/null 2>&1 &
    app=$!
    wait_for_window 30 || fail "the window did not appear"
    await_silence
}
orca_is_up() {
    # Said past await, which silences the command it waits for.
    kill -0 "$orca" 2>/dev/null || { cat "$work/orca.log" >&3; fail "Orca could not start" >&3; }
    /usr/bin/python3 -c 'import pyatspi, sys
sys.exit(not any(a and a.name == "orca" for a in pyatspi.Registry.getDesktop(0)))'
}

# A pupil listens to the end before the next key: waits until the speech
# server's log has been still for a second (it logs all the while sound
# plays), at most 20 seconds.
await_silence() {
    local speech_log=$work/speech/speechd-debug/speech-dispatcher.log size last=-1 still=0
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

press_and_listen() { # press_and_listen KEY...
    local key
    for key in "$@"; do
        xdotool key "$key"
        await_silence
    done
}

# The espeak-ng module's log. The speech server gives it two that say the
# same, its own and a debug copy: the one, so that nothing is read twice.
espeak_log() {
    local log=$work/speech/speechd-debug/espeak-ng.log
    [ -f "$log" ] || log=$(find "$work/speech" -name espeak-ng.log -print -quit 2>/dev/null)
    echo "$log"
}

# What espeak-ng has been asked to say so far, one utterance a line, as it
# is asked: the module writes each as it comes, where Orca writes its own
# transcript in blocks, some while after it speaks.
synthesized_so_far() {
    local log
    log=$(espeak_log)
    [ -n "$log" ] || return 0
    grep -a 'Requested data:' "$log" |
        sed 's/^.*Requested data: |//; s/| [0-9 ]*$//; s/<mark[^>]*\/>//g; s/<[^>]*>//g; s/  */ /g; s/^ //; s/ $//'
}

# Waits, at most 30 seconds, until Orca has had a phrase with this in it said.
await_phrase() { # await_phrase TEXT
    for _ in $(seq 300); do
        synthesized_so_far | grep -qF -- "$1" && { await_silence; return 0; }
        sleep 0.1
    done
    fail "the synthesizer was not asked to say: $1"
}

# Presses the key until Orca says the phrase, at most three times: where a
# browser leaves the focus as a page loads is its own affair, and Orca's.
# Each press is heard to its end before what was said is read.
press_until() { # press_until TEXT KEY
    local before
    for _ in 1 2 3; do
        before=$(synthesized_so_far | wc -l)
        press_and_listen "$2"
        synthesized_so_far | tail -n +"$((before + 1))" | grep -qF -- "$1" && return 0
    done
    fail "$2, pressed three times, did not reach: $1"
}

# Ends Orca and writes what it said (spoken), what espeak-ng was asked to say
# (synthesized) and the braille lines (braille) into the work folder; fails
# where the synthesizer was asked to say one of our marks as a word.
stop_hearing() {
    # Orca handles the signal once an event wakes it; a key press is one.
    kill -INT "$orca"
    xdotool key shift
    await eval '! kill -0 '"$orca" || fail "Orca did not end on SIGINT"
    grep -a 'SPEECH OUTPUT:' "$work/orca.out" | sed "s/^.*SPEECH OUTPUT: '//; s/' *{.*$//" \
        >"$work/spoken" || fail "Orca wrote no transcript"
    [ -n "$(espeak_log)" ] || fail "espeak-ng's module wrote no log"
    synthesized_so_far >"$work/synthesized"
    grep -a 'BRAILLE LINE:' "$work/orca.out" | sed "s/^.*BRAILLE LINE: *'//; s/'$//" >"$work/braille"
    echo "Orca said:"
    sed 's/^/    /' "$work/spoken"
    echo "espeak-ng was asked to say:"
    sed 's/^/    /' "$work/synthesized"
    # Marks read aloud as words a pupil would hear in the middle of arithmetic
    # or of the instructions. Orca's own quotation marks round the page's
    # title, as it says that the page has loaded, are not ours.
    local marks
    marks=$(grep -n 'двоеточие\|тире\|скоба\|точка и запетая\| точка ' "$work/synthesized")
    [ -z "$marks" ] || fail "the synthesizer was asked to say marks: $marks"
}

# Each phrase must come, in this order, after the one before or on its line.
in_order() { # in_order spoken|synthesized|braille PHRASE...
    local file=$work/$1 line=1 phrase found
    shift
    for phrase in "$@"; do
        found=$(tail -n +"$line" "$file" | grep -nF -m 1 -- "$phrase" | cut -d: -f1)
        [ -n "$found" ] || fail "from line $line of $(basename "$file") on, there is no: $phrase"
        line=$((line + found - 1))
    done
}

told() { # told TIMES SENTENCE...: Orca said each this many times, as a phrase of its own
    local times=$1 sentence count
    shift
    for sentence in "$@"; do
        # Blanks at a phrase's end, the page's unheard one among them, do not count.
        count=$(sed 's/[[:space:]]*$//; s/\xc2\xa0$//' "$work/spoken" | grep -cxF -- "$sentence")
        [ "$count" -eq "$times" ] || fail "Orca said $count times, not $times: $sentence"
    done
}

# Said right after the window's name each time Orca names the window, as
# its description; or, where Orca names a window without it (Orca 48), once
# on its own as the window opens. At no other time.
said_with_the_window() { # said_with_the_window SENTENCE
    local counts
    counts=$(awk -v s="$1" '$0 == s { all++; if (previous ~ /Логика, везна и тежести рамка/) with++ }
        { previous = $0 } END { print all + 0, with + 0 }' "$work/spoken")
    [ "${counts% *}" -ge 1 ] && [ $((${counts% *} - ${counts#* })) -le 1 ] ||
        fail "said $1 (times, with the window's name): $counts"
}

# Sound, not silence: samples well above the noise floor.
heard_sound() {
    local loud
    loud=$(od -An -v -t d2 -w2 "$work/heard.raw" | awk '$1 > 2000 || $1 < -2000 { n++ } END { print n + 0 }')
    echo "samples heard: $(($(stat -c %s "$work/heard.raw") / 2)), loud ones: $loud"
    [ "$loud" -gt 1600 ] || fail "no speech reached the speakers"
}
