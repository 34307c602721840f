# Precompiled headers for the Qt and standard headers nearly every file reads.
# Parsing them is about a quarter of a file's compile time in the sanitizer
# build. Each file still includes what it uses, so a build with
# VELUNTO_PCH=OFF compiles as well.

set(VELUNTO_PCH_CORE
    <algorithm> <array> <cmath> <functional> <memory> <optional> <vector>
    <QByteArray> <QColor> <QDir> <QFile> <QFileInfo> <QImage> <QObject> <QPainter>
    <QPoint> <QRect> <QSize> <QString> <QStringList>)

set(VELUNTO_PCH_UI ${VELUNTO_PCH_CORE}
    <QApplication> <QCheckBox> <QComboBox> <QDialog> <QDialogButtonBox> <QGridLayout>
    <QGroupBox> <QHBoxLayout> <QLabel> <QLineEdit> <QPushButton> <QVBoxLayout> <QWidget>)

set(VELUNTO_PCH_TESTS ${VELUNTO_PCH_UI} <gtest/gtest.h> <QTemporaryDir>)

# ccache reuses results of files compiled with a precompiled header only when
# told that the header's macros and time stamps may be trusted.
function(velunto_ccache_for_pch)
  if(CCACHE_PROGRAM)
    set(CMAKE_CXX_COMPILER_LAUNCHER
        ${CMAKE_COMMAND} -E env
        "CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime"
        ${CCACHE_PROGRAM}
        PARENT_SCOPE)
  endif()
endfunction()
