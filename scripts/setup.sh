#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing,
# and builds the project into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config
  libsigc++-3.0-dev nlohmann-json3-dev libgtest-dev googletest libncurses-dev
  tmux python3
  g++-powerpc-linux-gnu qemu-user glibc-source gawk bison make xz-utils
  clang libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_=""
  [ "$(id -u)" = 0 ] || sudo_=sudo
  $sudo_ apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
