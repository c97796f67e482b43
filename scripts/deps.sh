# Sourced by scripts/run and scripts/test: installs the Debian packages the build
# needs, but only those that are missing, and refreshes the package lists only then.
# Extra package names given as arguments are installed with them.
ormandel_install_deps() {
  local packages=(cmake g++ make qt6-base-dev libgl-dev libgtest-dev libgmock-dev
                  libbenchmark-dev fonts-dejavu-core libcups2-dev "$@")
  local missing=()
  local p
  for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo="sudo"
    else
      echo "Missing packages (${missing[*]}) and no sudo to install them as $(whoami)." >&2
      return 1
    fi
  fi
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
