#!/usr/bin/env bash
# Copies a PNG from standard input to standard output without the chunks that hold the time it
# was made ("tIME", and the "Comment" and "date:" texts), so that the same picture made again
# gives the same bytes.
set -euo pipefail
exec perl -e '
    local $/;
    binmode STDIN;
    binmode STDOUT;
    my $png = <STDIN>;
    my $kept = substr($png, 0, 8);
    for (my $at = 8; $at < length $png;) {
        my ($length, $type) = unpack "Na4", substr($png, $at, 8);
        my $chunk = substr($png, $at, $length + 12);
        my $key = substr($chunk, 8, 8);
        my $dated = $type eq "tIME" ||
            ($type eq "tEXt" && ($key eq "Comment\0" || substr($key, 0, 5) eq "date:"));
        $kept .= $chunk unless $dated;
        $at += $length + 12;
    }
    print $kept;'
