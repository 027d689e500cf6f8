#!/usr/bin/env bash
# Tries the Debian package on a Debian 12 system that has never built or installed Vexlin: a
# copy of a minimal debootstrap of bookworm (made in BASE the first time; BASE itself stays
# untouched), entered with chroot. First lintian checks the package here (no error, no
# warning). Then, in the copy, it
#   1. installs the package with `apt-get install --no-install-recommends ./vexlin_*.deb`, and
#      checks with nothing else installed that both programs find every library, the editor its
#      X platform plugin, that fontconfig knows a font, that both programs tell the package's
#      version and that the editor starts and runs;
#   2. installs what the checks need (Xvfb, xdotool, ImageMagick, man, the desktop's MIME
#      database, gio and appstreamcli) and runs scripts/check-deb.sh as root and as an
#      ordinary user: each gets its settings in its own ~/.config/vexlin/, none in /usr;
#   3. purges the package and checks that nothing of it is left under /usr.
# Needs root, debootstrap, lintian and a Debian mirror.
# Usage: scripts/check-deb-fresh.sh DEB [BASE]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
deb=$(realpath "$1")
base=${2:-/var/tmp/vexlin-debian12}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
name=$(basename "$deb")

echo "=== lintian $name ==="
lintian --fail-on error,warning "$deb"
echo "ok: no error, no warning"

if [ ! -x "$base/usr/bin/apt-get" ]; then
    debootstrap --variant=minbase bookworm "$base" "$mirror"
fi
root=$(mktemp -d /var/tmp/vexlin-fresh-XXXXXX)

# The mounts under the copy, deepest last.
mounts_below() {
    findmnt -rn -o TARGET | awk -v root="$root" 'index($0, root "/") == 1'
}

# A removal through a mount still in place would delete the host's own files (its /dev), so
# the copy is removed only once nothing is mounted under it, and never beyond its own file
# system.
cleanup() {
    local mount
    for mount in $(mounts_below | sort -r); do
        umount -R "$mount" 2>/dev/null || umount -R -l "$mount" || true
    done
    if [ -n "$(mounts_below)" ]; then
        echo "FAILED: still mounted, so $root is left in place:" >&2
        mounts_below >&2
        return 1
    fi
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT
cp -a "$base/." "$root/"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount --bind /dev "$root/dev"
# Nothing mounted under the copy's /dev may reach the host's.
mount --make-rslave "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mkdir -p "$root/opt/check"
cp "$deb" "$here/check-deb.sh" "$here/e2e-common.sh" "$root/opt/check/"

inside() {
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        DEBIAN_FRONTEND=noninteractive bash -euo pipefail -c "$1"
}

echo "=== installing $name on $(cat "$root/etc/debian_version"), without recommended packages ==="
inside "apt-get update -q && apt-get install -y -q --no-install-recommends /opt/check/$name"
inside '
    dpkg -L vexlin | sort >/opt/check/files
    version="vexlin $(dpkg-query -W -f "\${Version}" vexlin)"
    [ "$(vexlin --version)" = "$version" ] && [ "$(vexlin-tool --version)" = "vexlin-tool ${version#vexlin }" ]
    echo "ok: both programs say $version"
    for program in /usr/bin/Vexlin /usr/bin/vexlin-tool \
            /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so; do
        if ldd "$program" | grep "not found"; then
            echo "FAILED: $program misses libraries" >&2
            exit 1
        fi
    done
    echo "ok: every library found, the X platform plugin included"
    fc-list | grep -q DejaVuSans && echo "ok: the DejaVu fonts are there"
    # Still running when stopped: it started and shows its window.
    status=0
    timeout 5 env QT_QPA_PLATFORM=offscreen vexlin >/dev/null 2>&1 || status=$?
    [ "$status" = 124 ] && echo "ok: the editor starts and runs" ||
        { echo "FAILED: the editor ended with $status" >&2; exit 1; }'

echo "=== checking the installed package, as root and as an ordinary user ==="
inside 'apt-get install -y -q --no-install-recommends xvfb xauth xdotool imagemagick man-db \
            desktop-file-utils shared-mime-info libglib2.0-bin appstream >/dev/null
        useradd --create-home tester'
checked=0
inside "/opt/check/check-deb.sh --deb /opt/check/$name /usr" || checked=$?
inside "runuser -u tester -- env HOME=/home/tester /opt/check/check-deb.sh --deb /opt/check/$name /usr" ||
    checked=$?

echo "=== removing the package ==="
inside 'apt-get purge -y -q vexlin
        left=$(while read -r file; do
                   if [ ! -d "$file" ] && { [ -e "$file" ] || [ -L "$file" ]; }; then
                       echo "$file"
                   fi
               done </opt/check/files; find /usr -iname "*vexlin*")
        if [ -n "$left" ]; then
            echo "FAILED: left behind:" >&2
            echo "$left" >&2
            exit 1
        fi
        echo "ok: removed, nothing of it left under /usr"'
exit $checked
