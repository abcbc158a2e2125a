#!/usr/bin/env bash
# Regenerates the embedded wave sounds in this folder: the chatter sounds WAVE1-WAVE20
# spoken by espeak-ng, the game sounds synthesized by sox. Every file is mono,
# 22050 Hz, 16-bit PCM.
#
# Needs the Debian packages espeak-ng and sox (apt-get install espeak-ng sox). They are
# not build dependencies: the generated files are committed.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# sox writes no comment chunk and uses a fixed random seed, so runs are repeatable.
sx() { sox -R --no-show-progress "$@"; }
fmt=(-r 22050 -c 1 -b 16 -e signed-integer)

# Final form of every file: the format above, peaks at -3 dBFS, no silence around it.
finish() {
    local in="$1" out="$2"
    sx "$in" "${fmt[@]}" "$here/$out.wav" silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse norm -3
}

# One synthesized note: tone, frequency, length in seconds, release fade in seconds.
note() {
    local file="$1" tone="$2" freq="$3" len="$4" release="$5"
    sx -n "${fmt[@]}" "$work/$file.wav" synth "$len" "$tone" "$freq" fade q 0.005 "$len" "$release"
}

# --- Chatter sounds: each caption spoken. ---
captions=(
    "Doh" "Cough" "Hello" "Thank You" "Where have you been?" "Snoring" "Sneezing"
    "Sorry" "Welcome" "Yeehaa" "Yippee" "Oh No" "Applause" "Honk" "Oooh" "Razzberry"
    "Cheer" "Woman Laughing" "Man Laughing" "Crying"
)
for i in "${!captions[@]}"; do
    k=$((i + 1))
    voice="en-us+m3"
    [ "$k" -eq 18 ] && voice="en-us+f3"
    espeak-ng -v "$voice" -s 150 -w "$work/spoken$k.wav" "${captions[$i]}"
    finish "$work/spoken$k.wav" "WAVE$k"
done

# --- Game sounds. ---

# topile: a card snapping onto a spot, a short bright burst of noise.
sx -n "${fmt[@]}" "$work/snap.wav" synth 0.06 whitenoise vol 0.5 highpass 2500 fade q 0.001 0.06 0.05
finish "$work/snap.wav" TOPILE

# getcard: a card sliding off the pile, a soft swish.
sx -n "${fmt[@]}" "$work/swish.wav" synth 0.22 pinknoise bandpass 3000 1500h fade h 0.08 0.22 0.12
finish "$work/swish.wav" GETCARD

# tofound: two quick rising plucks.
note f1 pluck 784 0.12 0.08
note f2 pluck 1175 0.25 0.2
sx "$work/f1.wav" "$work/f2.wav" "$work/found.wav"
finish "$work/found.wav" TOFOUND

# invalid: a low double buzz.
note b1 square 150 0.12 0.03
sx -n "${fmt[@]}" "$work/gap.wav" trim 0 0.05
sx "$work/b1.wav" "$work/gap.wav" "$work/b1.wav" "$work/buzz.wav" lowpass 1200
finish "$work/buzz.wav" INVALID

# entered: a two-tone door chime.
note e1 sine 1319 0.35 0.3
note e2 sine 1047 0.6 0.55
sx "$work/e1.wav" "$work/e2.wav" "$work/entered.wav"
finish "$work/entered.wav" ENTERED

# turn: a single bell-like chime (two partials).
sx -n "${fmt[@]}" "$work/turn.wav" synth 0.8 sine 1047 synth 0.8 sine mix 2094 \
    fade q 0.005 0.8 0.75 vol 0.6
finish "$work/turn.wav" TURN

# turnnew: a rising three-note chime.
note t1 pluck 1047 0.12 0.08
note t2 pluck 1319 0.12 0.08
note t3 pluck 1568 0.4 0.35
sx "$work/t1.wav" "$work/t2.wav" "$work/t3.wav" "$work/turnnew.wav"
finish "$work/turnnew.wav" TURNNEW

# roundover: three falling notes.
note r1 triangle 784 0.18 0.05
note r2 triangle 659 0.18 0.05
note r3 triangle 523 0.45 0.35
sx "$work/r1.wav" "$work/r2.wav" "$work/r3.wav" "$work/round.wav"
finish "$work/round.wav" ROUNDOVER

# winner: a brass-like fanfare, G C E G with a held top note.
brass() {
    local file="$1" freq="$2" len="$3"
    sx -n "${fmt[@]}" "$work/$file.wav" synth "$len" sawtooth "$freq" lowpass 2200 \
        fade q 0.02 "$len" 0.06
}
brass w1 392 0.14
brass w2 523 0.14
brass w3 659 0.14
brass w4 784 0.7
sx "$work/w1.wav" "$work/w2.wav" "$work/w3.wav" "$work/w4.wav" "$work/winner.wav"
finish "$work/winner.wav" WINNER

ls -l "$here"/*.wav
