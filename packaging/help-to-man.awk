# Turns the text of `vexlin-tool --help` into a manual page (roff, section 1), so the page says
# exactly what the tool says. The help text's layout carries the structure:
#   a line at the left margin            a section heading
#   a line indented 2 in SYNOPSIS        a usage line (deeper lines continue it)
#   a line indented 2 that starts with
#   "-", holds a gap of two blanks or
#   more, or is followed by deeper lines a tagged paragraph: the tag (with the deeper lines
#                                        that are indented more than the text below them),
#                                        then its text (after the gap, and on the deeper
#                                        lines that follow)
#   any other line indented 2            running text
# Running text is left for the formatter to fill; a blank line starts a new paragraph.
# Variables: version (the program's version).

function roff(text) {
    gsub(/\\/, "\\e", text)
    gsub(/-/, "\\-", text)
    sub(/^[.']/, "\\\\&&", text)
    return text
}

function indent(line) {
    match(line, /^ */)
    return RLENGTH
}

function blank(line) {
    return line ~ /^ *$/
}

# The lines after line i that are indented deeper than 2: the last one's number.
function deeperEnd(i,    j) {
    for (j = i + 1; j <= NR && !blank(lines[j]) && indent(lines[j]) > 2; j++) {
    }
    return j - 1
}

{ lines[NR] = $0 }

END {
    print ".TH VEXLIN\\-TOOL 1 \"\" \"Vexlin " version "\" \"User Commands\""
    # Option names must stay whole and as typed: no hyphenation, no stretched blanks.
    print ".nh"
    print ".ad l"
    for (i = 1; i <= NR; i++) {
        line = lines[i]
        if (line ~ /^[ ]*$/) {
            pending = 1
            continue
        }
        depth = indent(line)
        text = substr(line, depth + 1)
        if (depth == 0) {
            section = text
            print ".SH " roff(text)
            pending = 0
            tagged = 0
            continue
        }
        if (depth > 2) {
            print roff(text)
            continue
        }
        last = deeperEnd(i)
        if (section == "SYNOPSIS") {
            print (synopsis++ ? ".br\n" : ".in +4\n") ".ti -4"
            for (j = i; j <= last; j++) {
                print roff(substr(lines[j], indent(lines[j]) + 1))
            }
            if (blank(lines[last + 1]) || indent(lines[last + 1]) == 0) {
                print ".in -4"
            }
            i = last
            continue
        }
        gap = match(text, /[^ ]   *[^ ]/)
        if (text ~ /^-/ || gap || last > i) {
            print ".TP"
            tag = gap ? substr(text, 1, gap) : text
            body = gap ? substr(text, gap + 1) : ""
            sub(/^ +/, "", body)
            # Without a gap, lines indented more than the text below them continue the tag.
            textDepth = indent(lines[last])
            for (j = i + 1; !gap && j < last && indent(lines[j]) > textDepth; j++) {
                tag = tag " " substr(lines[j], indent(lines[j]) + 1)
                i = j
            }
            print roff(tag)
            if (body != "") {
                print roff(body)
            }
            tagged = 1
        } else {
            if (pending || tagged) {
                print ".PP"
            }
            print roff(text)
            tagged = 0
        }
        pending = 0
    }
}
