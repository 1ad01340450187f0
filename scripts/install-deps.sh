#!/usr/bin/env bash
# Installs what Quillmar needs to build, run and test on Debian 12.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends \
  build-essential dpkg-dev cmake \
  qt6-base-dev libgl-dev qt6-qpa-plugins \
  fonts-liberation poppler-utils \
  libgtest-dev libgmock-dev libbenchmark-dev libssl-dev \
  clang-format git \
  xvfb openbox xdotool
