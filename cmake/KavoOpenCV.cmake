# OpenCV for the camera: capture, colour conversion, histogram equalisation and Haar cascade
# detection. Debian's module packages (libopencv-core-dev, -imgproc-dev, -imgcodecs-dev,
# -objdetect-dev, -videoio-dev) carry no CMake package of their own, so the modules are found
# one by one and gathered in the target kavo_opencv.
find_path(KAVO_OPENCV_INCLUDE_DIR opencv2/core.hpp PATH_SUFFIXES opencv4 REQUIRED)
add_library(kavo_opencv INTERFACE)
target_include_directories(kavo_opencv SYSTEM INTERFACE ${KAVO_OPENCV_INCLUDE_DIR})
foreach(module objdetect videoio imgcodecs imgproc core)
    find_library(KAVO_OPENCV_${module}_LIBRARY opencv_${module} REQUIRED)
    target_link_libraries(kavo_opencv INTERFACE ${KAVO_OPENCV_${module}_LIBRARY})
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
