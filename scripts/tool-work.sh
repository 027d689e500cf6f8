# Shared by the scripts that drive vexlin-tool. Source it from the repository's top folder with
# the build folder as its argument (default build); it sets
#   tool   the built vexlin-tool
#   work   a scratch folder, removed when the script exits, which is also Qt's runtime folder
#          (Qt asks for one of its own even offscreen)
tool=$(realpath "${1:-build}/tools/vexlin-tool")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work"
