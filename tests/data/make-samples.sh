#!/bin/sh
# Makes the short recordings the playback tests play: one word in each format Quillora plays, small and mono.
# Needs espeak-ng, sox and ffmpeg (Debian packages of the same names); the results are committed, so the
# tests themselves need none of them.
set -eu
cd "$(dirname "$0")/sounds"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# speak WORD: the word at 11025 Hz, mono, 16-bit, in $work/WORD.wav
speak() {
    espeak-ng -v en -s 175 -w "$work/$1-22k.wav" "$1"
    sox -D "$work/$1-22k.wav" -r 11025 -c 1 -b 16 "$work/$1.wav"
}

# encode INPUT FFMPEG-OPTIONS... OUTPUT, leaving out the encoder's name and version so that the same
# recording gives the same bytes.
encode() {
    input=$1
    shift
    ffmpeg -nostdin -loglevel error -y -i "$input" -map_metadata -1 -fflags +bitexact -flags:a +bitexact "$@"
}

speak cat
cp "$work/cat.wav" cat.wav

speak dog
encode "$work/dog.wav" -c:a libvorbis -q:a 0 dog.ogg

speak sun
encode "$work/sun.wav" -c:a libmp3lame -b:a 24k sun.mp3

speak hat
encode "$work/hat.wav" -c:a wmav2 -b:a 32k hat.wma
