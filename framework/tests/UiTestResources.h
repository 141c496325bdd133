#pragma once
// Ids of the dialogs of the framework's window tests and of their controls.
#define IDD_VALUES 200
#define IDC_NAME 201
#define IDC_COUNT 202
#define IDC_ENABLED 203
#define IDC_SIZE_SMALL 204
#define IDC_SIZE_MEDIUM 205
#define IDC_SIZE_LARGE 206
#define IDC_COLOUR 207
#define IDC_SHAPE 208

#define IDD_FORM 210
#define IDC_FORM_TITLE 211
#define IDC_FORM_FIRST 212
#define IDC_FORM_SECOND 213
