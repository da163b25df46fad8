# OpenCV for the camera, linked by module so that each target brings in only what it uses.
# Debian's module packages (libopencv-core-dev, -imgproc-dev, -imgcodecs-dev, -objdetect-dev,
# -videoio-dev) carry no CMake package of their own, so the modules are found one by one: each
# is the target kavo_opencv_<module>. What each brings (ldd on Debian 12): core and imgproc
# little; objdetect adds dnn and protobuf; imgcodecs adds GDAL, GDCM and PROJ; videoio adds
# GStreamer and FFmpeg, and needs imgcodecs itself.
#   - capture, colour conversion, histogram equalisation, Haar cascade detection (the sensor
#     part): core, imgproc, objdetect, videoio;
#   - pictures read from files (the simulated camera, the sensor tests): imgcodecs.
# kavo_opencv gathers all five, for the tests and benchmarks that make frames of their own.
find_path(KAVO_OPENCV_INCLUDE_DIR opencv2/core.hpp PATH_SUFFIXES opencv4 REQUIRED)
add_library(kavo_opencv INTERFACE)
foreach(module core imgproc objdetect videoio imgcodecs)
    find_library(KAVO_OPENCV_${module}_LIBRARY opencv_${module} REQUIRED)
    add_library(kavo_opencv_${module} INTERFACE)
    target_include_directories(kavo_opencv_${module} SYSTEM INTERFACE ${KAVO_OPENCV_INCLUDE_DIR})
    target_link_libraries(kavo_opencv_${module} INTERFACE ${KAVO_OPENCV_${module}_LIBRARY})
    target_link_libraries(kavo_opencv INTERFACE kavo_opencv_${module})
endforeach()

# The face and eye cascades of opencv-data. Kavo looks for them beside its executable first:
# kavo_place_cascades(<target>) copies them there after each build of the target.
set(KAVO_CASCADE_FOLDERS /usr/share/opencv4/haarcascades /usr/share/opencv/haarcascades)
find_file(KAVO_FACE_CASCADE haarcascade_frontalface_alt.xml
    PATHS ${KAVO_CASCADE_FOLDERS} NO_DEFAULT_PATH REQUIRED)
find_file(KAVO_EYES_CASCADE haarcascade_eye_tree_eyeglasses.xml
    PATHS ${KAVO_CASCADE_FOLDERS} NO_DEFAULT_PATH REQUIRED)

function(kavo_place_cascades target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different
            ${KAVO_FACE_CASCADE} ${KAVO_EYES_CASCADE} $<TARGET_FILE_DIR:${target}>
        VERBATIM)
endfunction()
