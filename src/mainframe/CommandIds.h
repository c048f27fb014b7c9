#pragma once

// Command ids shared by menu items and buttons: one id, one handler.
enum CommandId {
    ID_VERSION = 0,
    ID_EXIT = 1,
    ID_OPEN_WORKSPACE = 3,
    ID_SAVE_WORKSPACE = 4,
    ID_SAVE_WORKSPACE_AS = 5,
    ID_PRINT_BUTTON = 6,
    ID_STATUS_TIMER = 7,
    ID_LIVE_TIMER = 8,
    ID_ZOOM_IN = 9,
    ID_ZOOM_OUT = 10,
    ID_FLOW_GRAPH = 11,
    ID_VOLUME_GRAPH = 12,
    ID_PRESSURE_GRAPH = 13,
    ID_MEASURE_FLOW = 14,
    ID_GRID = 15,
    ID_SAMPLES = 16,
    ID_LIVE_START = 17,
    ID_LIVE_STOP = 18,
    ID_DEVICE_SETTINGS = 19,
    ID_CLEAR_MEMORY = 20,
    ID_GAUGE = 21,
    ID_DOWNLOAD = 22,
    ID_DELETE = 23,
    ID_TITLE = 24,
    ID_COLOUR_FLOW = 25,
    ID_COLOUR_VOLUME = 26,
    ID_COLOUR_PRESSURE = 27,
    ID_RECORD_LIST = 28,
    ID_OPEN_BUTTON = 29,
    ID_CAPTURE = 31,
    ID_WIDTH_FLOW = 32,
    ID_WIDTH_VOLUME = 33,
    ID_WIDTH_PRESSURE = 34,
    ID_EXPORT_CSV = 35,
    ID_PRINT = 36,
    ID_PRINT_PREVIEW = 37,
    ID_FILTER = 38,
    ID_FILTER_SETTINGS = 39,
    ID_INFORMATION = 48,
    ID_MEASURE_PRESSURE = 56,
    ID_SHOW_TIPS = 58,
    ID_FLOW_UNIT_LPM = 61,
    ID_FLOW_UNIT_M3H = 62,
    ID_FLOW_UNIT_LPS = 63,
    ID_FLOW_UNIT_GPM = 64,
    ID_TEXT_BOX = 65,
    ID_FLOW_TARGET = 66,
    ID_ABSOLUTE_TIME = 67,
};

// The flow-unit commands by flow unit index; their ids are not in index order.
constexpr int kFlowUnitMenuIds[4] = {ID_FLOW_UNIT_LPM, ID_FLOW_UNIT_LPS, ID_FLOW_UNIT_M3H,
                                     ID_FLOW_UNIT_GPM};

// -1 for an unknown index.
constexpr int MenuIdOfFlowIndex(int flowIndex) {
    return flowIndex >= 0 && flowIndex < 4 ? kFlowUnitMenuIds[flowIndex] : -1;
}

// -1 for an id that is none of the four.
constexpr int FlowIndexOfMenuId(int menuId) {
    for (int index = 0; index < 4; ++index) {
        if (kFlowUnitMenuIds[index] == menuId) {
            return index;
        }
    }
    return -1;
}
