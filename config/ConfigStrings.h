#pragma once
// Ids of the configuration file's texts in the program's string table
// (config/ConfigStrings.rc): one for the file as a whole, one per section.
#define IDS_CONFIG_FILE_ERROR 129
#define IDS_CONFIG_SCREEN_ERROR 131
#define IDS_CONFIG_TRAINING_ERROR 137
#define IDS_CONFIG_AUDIO_ERROR 139
#define IDS_CONFIG_VIDEO_ERROR 141
#define IDS_CONFIG_MOVIE_ERROR 143
#define IDS_CONFIG_OPTIONS_ERROR 146
#define IDS_CONFIG_CONTROLLER_ERROR 148
