# Sourced by the scripts: runs a command as root, through sudo where needed.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
