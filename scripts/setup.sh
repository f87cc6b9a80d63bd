#!/usr/bin/env bash
# Installs the Debian packages the project needs (only those missing), then
# configures and builds. Usage: scripts/setup.sh [--sanitize] [--no-build]
# QUADRELLE_WERROR=ON in the environment turns warnings into errors (CI does).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-tools-dev qt6-l10n-tools locales libcups2-dev libxcb1-dev fonts-liberation
  libgtest-dev libgmock-dev libbenchmark-dev libexpat1-dev nlohmann-json3-dev
  cups cups-client printer-driver-cups-pdf poppler-utils
  fonts-dejavu-core
  xvfb xdotool x11-utils imagemagick xclip
  pybind11-dev python3-dev python3-pytest python3-numpy
  dpkg-dev file man-db lintian appstream desktop-file-utils librsvg2-bin shared-mime-info
  parallel
  clang libclang-rt-14-dev
)

sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The window is tested in German and looked at in French: both locales must exist.
for name in de_DE fr_FR; do
  locale -a 2>/dev/null | grep -qx "$name.utf8" || $sudo localedef -i "$name" -f UTF-8 "$name.UTF-8"
done

build_dir=build
cmake_args=(-G Ninja -DCMAKE_BUILD_TYPE=Release)
for arg in "$@"; do
  case "$arg" in
    --sanitize) build_dir=build-asan; cmake_args=(-G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUADRELLE_SANITIZE=ON) ;;
    --no-build) exit 0 ;;
  esac
done

if [ -n "${QUADRELLE_WERROR:-}" ]; then
  cmake_args+=(-DQUADRELLE_WERROR="$QUADRELLE_WERROR")
fi

# Configure quietly, but show everything when it fails.
if ! log=$(cmake -S . -B "$build_dir" "${cmake_args[@]}" 2>&1); then
  echo "$log" >&2
  exit 1
fi
cmake --build "$build_dir" -- --quiet
