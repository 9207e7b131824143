# Installs the Debian packages named in "$@" that are missing, with
# apt-get when running as root; otherwise prints the command to run.
ensure_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  else
    echo "Missing packages. Run:"
    echo "  sudo apt-get install -y ${missing[*]}"
    exit 1
  fi
}

BUILD_PACKAGES=(cmake make g++ liballegro4-dev)
RUN_PACKAGES=(xvfb xdotool x11-utils imagemagick python3)
TEST_PACKAGES=(clang libclang-rt-14-dev libgtest-dev libbenchmark-dev)
