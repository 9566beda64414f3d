# Installs the Debian packages the build and the tests need (sourced by the
# two entry scripts). Runs apt-get through sudo when not root.
quorvin_install_packages() {
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

QUORVIN_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
                        clang libclang-rt-14-dev octave fonts-freefont-otf)
# gnuplot-nox gives Octave a graphics toolkit that needs no display, for the plot tests.
# xdotool and imagemagick drive and photograph the real program under Xvfb;
# xclip reads the clipboard the program wrote. The end-to-end scripts click
# at screen positions measured with DejaVu Sans as the default font: without
# it the menu bar and title bars take other heights and the clicks miss.
# openbox is the window manager of the stacking test; x11-utils (xprop,
# xwininfo) reads its stacking and the windows' frames.
QUORVIN_TEST_PACKAGES=(xvfb xauth gnuplot-nox xdotool imagemagick xclip fonts-dejavu-core
                       openbox x11-utils)
