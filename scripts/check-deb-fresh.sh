#!/usr/bin/env bash
# Tries the Debian package on a Debian 12 system that has never built or installed Vexlin: a
# copy of a minimal debootstrap of bookworm (made in BASE the first time; BASE itself stays
# untouched), entered with chroot. There it
#   1. installs the package with `apt-get install ./vexlin_*.deb`, and checks with nothing else
#      installed that both programs find every library, the editor its X platform plugin, and
#      that fontconfig knows a font;
#   2. installs what the checks need (Xvfb, xdotool, ImageMagick, man, the desktop's MIME
#      database and gio) and runs scripts/check-deb.sh as an ordinary user;
#   3. purges the package and checks that nothing of it is left under /usr.
# Needs root, debootstrap and a Debian mirror. Usage: scripts/check-deb-fresh.sh DEB [BASE]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
deb=$(realpath "$1")
base=${2:-/var/tmp/vexlin-debian12}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}

if [ ! -x "$base/usr/bin/apt-get" ]; then
    debootstrap --variant=minbase bookworm "$base" "$mirror"
fi
root=$(mktemp -d /var/tmp/vexlin-fresh-XXXXXX)
cleanup() {
    for mount in dev/pts dev proc sys; do
        umount "$root/$mount" 2>/dev/null || true
    done
    rm -rf "$root"
}
trap cleanup EXIT
cp -a "$base/." "$root/"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mkdir -p "$root/opt/check"
cp "$deb" "$here/check-deb.sh" "$here/e2e-common.sh" "$root/opt/check/"

inside() {
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        DEBIAN_FRONTEND=noninteractive bash -euo pipefail -c "$1"
}

echo "=== installing $(basename "$deb") on $(cat "$root/etc/debian_version") ==="
inside "apt-get update -q && apt-get install -y -q /opt/check/$(basename "$deb")"
inside '
    dpkg -L vexlin | sort >/opt/check/files
    vexlin-tool --help >/dev/null && echo "ok: vexlin-tool runs"
    for program in /usr/bin/Vexlin /usr/bin/vexlin-tool \
            /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so; do
        if ldd "$program" | grep "not found"; then
            echo "FAILED: $program misses libraries" >&2
            exit 1
        fi
    done
    echo "ok: every library found, the X platform plugin included"
    fc-list | grep -q DejaVuSans && echo "ok: the DejaVu fonts are there"'

echo "=== checking the installed package ==="
inside 'apt-get install -y -q --no-install-recommends xvfb xauth xdotool imagemagick man-db \
            desktop-file-utils shared-mime-info libglib2.0-bin >/dev/null
        useradd --create-home tester'
checked=0
inside 'runuser -u tester -- env HOME=/home/tester /opt/check/check-deb.sh /usr' || checked=$?

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
