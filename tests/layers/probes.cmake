# The layer probes: the layer, the header its probe includes, and whether the
# layer may reach it. Probe number i is built as the target layer_probe_i.
set(layer_probes
    "marlquin_platform_core|<QImage>|unreachable"
    "marlquin_platform_core|\"platform/raster/raster.h\"|unreachable"
    "marlquin_platform_raster|<QWidget>|unreachable"
    "marlquin_platform_raster|\"platform/forms/form.h\"|unreachable"
    "marlquin_platform_ui|\"controls/register_kinds.h\"|unreachable"
    "marlquin_platform_ui|\"app/ImgBlt/Capture.h\"|unreachable"
    "marlquin_capture|\"platform/windows/window_handles.h\"|unreachable"
    "marlquin_capture|\"app/ImgBlt/WindowHook.h\"|unreachable"
    "marlquin_controls|\"app/Frmmain/Frmmain.h\"|unreachable"
    "marlquin_controls|\"app/ImgBlt/WindowHook.h\"|unreachable"
    "marlquin_controls|\"app/ImgBlt/Capture.h\"|reachable"
    "marlquin_app|\"controls/FlatCmd/FlatCmd.h\"|reachable")

# Sets layer, header (as included), path (the header's name alone) and
# expected from one entry of the table.
macro(layer_probe_fields entry)
    string(REPLACE "|" ";" fields "${entry}")
    list(GET fields 0 layer)
    list(GET fields 1 header)
    list(GET fields 2 expected)
    string(REGEX REPLACE "[<>\"]" "" path "${header}")
endmacro()
