#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs, only those that are missing.
#   scripts/install-deps.sh          what the builds, tests, packages and
#                                    documentation need
#   scripts/install-deps.sh bench    also the benchmark's peers (Google
#                                    Benchmark, CLI11, cxxopts,
#                                    boost::program_options, curl) and
#                                    GNU time for peak memory
#   scripts/install-deps.sh web      also the browser build and its test
#                                    (emscripten, node, headless Chromium
#                                    driven by Selenium)
set -euo pipefail

packages=(
  cmake ninja-build g++ pkgconf file dpkg-dev
  libboost-dev
  googletest libgtest-dev libgmock-dev
  clang libclang-rt-dev libc++-dev libc++abi-dev
  gnustep-make libgnustep-base-dev libobjc-12-dev libblocksruntime-dev
  gcovr
  debhelper help2man lintian man-db abigail-tools doxygen
  valgrind python3 nlohmann-json3-dev python3-jsonschema jq python3-cram
)
if [[ ${1:-} == bench ]]; then
  packages+=(libbenchmark-dev libboost-program-options-dev libcli11-dev
    libcxxopts-dev libcurl4-openssl-dev time)
fi
if [[ ${1:-} == web ]]; then
  packages+=(emscripten chromium chromium-driver python3-selenium)
  command -v node >/dev/null || packages+=(nodejs)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
