# Debian packages, by what needs them. Sourced by run.sh and test.sh.
# shellcheck disable=SC2034
BUILD_PACKAGES=(g++ cmake make libgmp-dev libflint-dev libflint-arb-dev qt6-base-dev qt6-charts-dev
                libqt6opengl6-dev qt6-svg-dev qt6-qpa-plugins
                qt6-translations-l10n qt6-l10n-tools qt6-tools-dev fonts-liberation)
TEST_PACKAGES=(libgtest-dev xvfb xauth xdotool x11-xkb-utils dbus at-spi2-core
               python3-pyatspi imagemagick x11-utils xclip clang libclang-rt-14-dev
               lintian desktop-file-utils appstream man-db pari-gp weston qt6-wayland
               texlive-latex-base texlive-latex-recommended poppler-utils)
