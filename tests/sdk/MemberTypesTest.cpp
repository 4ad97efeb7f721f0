// Every member of every record and function table the system or the
// simulated host touches, checked at compile time against the type the host
// declares for it. A signature that drifts (a missing argument, a lost
// variadic marker, a 32-bit handle size, a wrongly signed boolean) fails
// the build of this file.

#include <type_traits>

#include "host/HostInterface.h"

#define HLV3_EXPECT_TYPE(T, m, ...) \
    static_assert(std::is_same<decltype(T::m), __VA_ARGS__>::value, #T "." #m)

// Up to eight members of T that share one type (a type without commas).
// clang-format off
#define HLV3_E1(T, Ty, m) HLV3_EXPECT_TYPE(T, m, Ty)
#define HLV3_E2(T, Ty, m, ...) HLV3_E1(T, Ty, m); HLV3_E1(T, Ty, __VA_ARGS__)
#define HLV3_E3(T, Ty, m, ...) HLV3_E1(T, Ty, m); HLV3_E2(T, Ty, __VA_ARGS__)
#define HLV3_E4(T, Ty, m, ...) HLV3_E1(T, Ty, m); HLV3_E3(T, Ty, __VA_ARGS__)
#define HLV3_E5(T, Ty, m, ...) HLV3_E1(T, Ty, m); HLV3_E4(T, Ty, __VA_ARGS__)
#define HLV3_E6(T, Ty, m, ...) HLV3_E1(T, Ty, m); HLV3_E5(T, Ty, __VA_ARGS__)
#define HLV3_E7(T, Ty, m, ...) HLV3_E1(T, Ty, m); HLV3_E6(T, Ty, __VA_ARGS__)
#define HLV3_E8(T, Ty, m, ...) HLV3_E1(T, Ty, m); HLV3_E7(T, Ty, __VA_ARGS__)
#define HLV3_PICK(_1, _2, _3, _4, _5, _6, _7, _8, name, ...) name
#define HLV3_EXPECT_TYPES(T, Ty, ...) \
    HLV3_PICK(__VA_ARGS__, HLV3_E8, HLV3_E7, HLV3_E6, HLV3_E5, HLV3_E4, HLV3_E3, HLV3_E2, HLV3_E1)(T, Ty, __VA_ARGS__)
// clang-format on

HLV3_EXPECT_TYPE(A_Time, value, A_long);
HLV3_EXPECT_TYPE(A_Time, scale, A_u_long);

HLV3_EXPECT_TYPE(A_Ratio, num, A_long);
HLV3_EXPECT_TYPE(A_Ratio, den, A_u_long);

HLV3_EXPECT_TYPES(A_FloatPoint, A_FpLong, x, y);

HLV3_EXPECT_TYPES(A_FloatRect, A_FpLong, left, top, right, bottom);

HLV3_EXPECT_TYPE(A_Matrix3, mat, A_FpLong[3][3]);

HLV3_EXPECT_TYPE(A_Matrix4, mat, A_FpLong[4][4]);

HLV3_EXPECT_TYPES(A_LRect, A_long, left, top, right, bottom);

HLV3_EXPECT_TYPES(A_LPoint, A_long, x, y);

HLV3_EXPECT_TYPES(A_Color, A_FpLong, alpha, red, green, blue);

HLV3_EXPECT_TYPES(PF_SpecVersion, A_short, major, minor);

HLV3_EXPECT_TYPES(PF_Point, A_long, h, v);

HLV3_EXPECT_TYPES(PF_LRect, A_long, left, top, right, bottom);

HLV3_EXPECT_TYPE(PF_RationalScale, num, A_long);
HLV3_EXPECT_TYPE(PF_RationalScale, den, A_u_long);

HLV3_EXPECT_TYPES(PF_FixedPoint, PF_Fixed, x, y);

HLV3_EXPECT_TYPES(PF_FixedRect, PF_Fixed, left, top, right, bottom);

HLV3_EXPECT_TYPE(PF_Matrix, mat, PF_Fixed[3][3]);

HLV3_EXPECT_TYPE(PF_FloatMatrix, mat, PF_FpLong[3][3]);

HLV3_EXPECT_TYPES(PF_Pixel, A_u_char, alpha, red, green, blue);

HLV3_EXPECT_TYPES(PF_Pixel16, A_u_short, alpha, red, green, blue);

HLV3_EXPECT_TYPES(PF_PixelFloat, PF_FpShort, alpha, red, green, blue);

HLV3_EXPECT_TYPE(PF_CompositeMode, xfer, PF_TransferMode);
HLV3_EXPECT_TYPE(PF_CompositeMode, rand_seed, A_long);
HLV3_EXPECT_TYPE(PF_CompositeMode, opacity, A_u_char);
HLV3_EXPECT_TYPE(PF_CompositeMode, rgb_only, PF_Boolean);
HLV3_EXPECT_TYPE(PF_CompositeMode, opacitySu, A_u_short);

HLV3_EXPECT_TYPE(PF_InData, inter, PF_InteractCallbacks);
HLV3_EXPECT_TYPE(PF_InData, utils, struct _PF_UtilCallbacks*);
HLV3_EXPECT_TYPE(PF_InData, effect_ref, PF_ProgPtr);
HLV3_EXPECT_TYPE(PF_InData, quality, PF_Quality);
HLV3_EXPECT_TYPE(PF_InData, version, PF_SpecVersion);
HLV3_EXPECT_TYPES(PF_InData, A_long, serial_num, appl_id, num_params, reserved, what_cpu, what_fpu,
                  current_time, time_step);
HLV3_EXPECT_TYPES(PF_InData, A_long, total_time, local_time_step);
HLV3_EXPECT_TYPE(PF_InData, time_scale, A_u_long);
HLV3_EXPECT_TYPE(PF_InData, field, PF_Field);
HLV3_EXPECT_TYPE(PF_InData, shutter_angle, PF_Fixed);
HLV3_EXPECT_TYPES(PF_InData, A_long, width, height);
HLV3_EXPECT_TYPE(PF_InData, extent_hint, PF_LRect);
HLV3_EXPECT_TYPES(PF_InData, A_long, output_origin_x, output_origin_y);
HLV3_EXPECT_TYPES(PF_InData, PF_RationalScale, downsample_x, downsample_y, pixel_aspect_ratio);
HLV3_EXPECT_TYPE(PF_InData, in_flags, PF_InFlags);
HLV3_EXPECT_TYPES(PF_InData, PF_Handle, global_data, sequence_data, frame_data);
HLV3_EXPECT_TYPES(PF_InData, A_long, start_sampL, dur_sampL, total_sampL);
HLV3_EXPECT_TYPE(PF_InData, src_snd, PF_SoundWorld);
HLV3_EXPECT_TYPE(PF_InData, pica_basicP, struct SPBasicSuite*);
HLV3_EXPECT_TYPES(PF_InData, A_long, pre_effect_source_origin_x, pre_effect_source_origin_y);
HLV3_EXPECT_TYPE(PF_InData, shutter_phase, PF_Fixed);

HLV3_EXPECT_TYPE(PF_InteractCallbacks, checkout_param,
                 PF_Err (*)(PF_ProgPtr, PF_ParamIndex, A_long, A_long, A_u_long, PF_ParamDef*));
HLV3_EXPECT_TYPE(PF_InteractCallbacks, checkin_param, PF_Err (*)(PF_ProgPtr, PF_ParamDef*));
HLV3_EXPECT_TYPE(PF_InteractCallbacks, add_param,
                 PF_Err (*)(PF_ProgPtr, PF_ParamIndex, PF_ParamDefPtr));
HLV3_EXPECT_TYPE(PF_InteractCallbacks, abort, PF_Err (*)(PF_ProgPtr));
HLV3_EXPECT_TYPE(PF_InteractCallbacks, progress, PF_Err (*)(PF_ProgPtr, A_long, A_long));
HLV3_EXPECT_TYPE(PF_InteractCallbacks, register_ui, PF_Err (*)(PF_ProgPtr, PF_CustomUIInfo*));
HLV3_EXPECT_TYPE(PF_InteractCallbacks, checkout_layer_audio,
                 PF_Err (*)(PF_ProgPtr, PF_ParamIndex, A_long, A_long, A_u_long, PF_UFixed, A_long,
                            A_long, A_long, PF_LayerAudio*));
HLV3_EXPECT_TYPE(PF_InteractCallbacks, checkin_layer_audio, PF_Err (*)(PF_ProgPtr, PF_LayerAudio));
HLV3_EXPECT_TYPE(PF_InteractCallbacks, get_audio_data,
                 PF_Err (*)(PF_ProgPtr, PF_LayerAudio, PF_SndSamplePtr*, A_long*, PF_UFixed*,
                            A_long*, A_long*, A_long*));
HLV3_EXPECT_TYPE(PF_InteractCallbacks, reserved_str, void* [3]);
HLV3_EXPECT_TYPE(PF_InteractCallbacks, reserved, void* [10]);

HLV3_EXPECT_TYPE(PF_UtilCallbacks, begin_sampling,
                 PF_Err (*)(PF_ProgPtr, PF_Quality, PF_ModeFlags, PF_SampPB*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, subpixel_sample,
                 PF_Err (*)(PF_ProgPtr, PF_Fixed, PF_Fixed, const PF_SampPB*, PF_Pixel*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, area_sample,
                 PF_Err (*)(PF_ProgPtr, PF_Fixed, PF_Fixed, const PF_SampPB*, PF_Pixel*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, get_batch_func_is_deprecated, void*);
HLV3_EXPECT_TYPE(PF_UtilCallbacks, end_sampling,
                 PF_Err (*)(PF_ProgPtr, PF_Quality, PF_ModeFlags, PF_SampPB*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, composite_rect,
                 PF_Err (*)(PF_ProgPtr, PF_Rect*, A_long, PF_EffectWorld*, A_long, A_long, PF_Field,
                            PF_XferMode, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, blend,
                 PF_Err (*)(PF_ProgPtr, const PF_EffectWorld*, const PF_EffectWorld*, PF_Fixed,
                            PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, convolve,
                 PF_Err (*)(PF_ProgPtr, PF_EffectWorld*, const PF_Rect*, PF_KernelFlags, A_long,
                            void*, void*, void*, void*, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, copy,
                 PF_Err (*)(PF_ProgPtr, PF_EffectWorld*, PF_EffectWorld*, PF_Rect*, PF_Rect*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, fill,
                 PF_Err (*)(PF_ProgPtr, const PF_Pixel*, const PF_Rect*, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, gaussian_kernel,
                 PF_Err (*)(PF_ProgPtr, A_FpLong, PF_KernelFlags, A_FpLong, A_long*, void*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, iterate,
                 PF_Err (*)(PF_InData*, A_long, A_long, PF_EffectWorld*, const PF_Rect*, void*,
                            PF_IteratePixel8Func, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, premultiply, PF_Err (*)(PF_ProgPtr, A_long, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, premultiply_color,
                 PF_Err (*)(PF_ProgPtr, PF_EffectWorld*, const PF_Pixel*, A_long, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, new_world,
                 PF_Err (*)(PF_ProgPtr, A_long, A_long, PF_NewWorldFlags, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, dispose_world, PF_Err (*)(PF_ProgPtr, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, iterate_origin,
                 PF_Err (*)(PF_InData*, A_long, A_long, PF_EffectWorld*, const PF_Rect*,
                            const PF_Point*, void*, PF_IteratePixel8Func, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, iterate_lut,
                 PF_Err (*)(PF_InData*, A_long, A_long, PF_EffectWorld*, const PF_Rect*, A_u_char*,
                            A_u_char*, A_u_char*, A_u_char*, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, transfer_rect,
                 PF_Err (*)(PF_ProgPtr, PF_Quality, PF_ModeFlags, PF_Field, const PF_Rect*,
                            const PF_EffectWorld*, const PF_CompositeMode*, const PF_MaskWorld*,
                            A_long, A_long, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, transform_world,
                 PF_Err (*)(PF_ProgPtr, PF_Quality, PF_ModeFlags, PF_Field, const PF_EffectWorld*,
                            const PF_CompositeMode*, const PF_MaskWorld*, const PF_FloatMatrix*,
                            A_long, PF_Boolean, const PF_Rect*, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, host_new_handle, PF_Handle (*)(A_u_longlong));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, host_lock_handle, void* (*)(PF_Handle));
HLV3_EXPECT_TYPES(PF_UtilCallbacks, void (*)(PF_Handle), host_unlock_handle, host_dispose_handle);
HLV3_EXPECT_TYPE(PF_UtilCallbacks, get_callback_addr,
                 PF_Err (*)(PF_ProgPtr, PF_Quality, PF_ModeFlags, PF_CallbackID, PF_CallbackFunc*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, app, PF_Err (*)(PF_ProgPtr, A_long, ...));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, ansi, PF_ANSICallbacks);
HLV3_EXPECT_TYPE(PF_UtilCallbacks, colorCB, PF_ColorCallbacks);
HLV3_EXPECT_TYPE(PF_UtilCallbacks, get_platform_data, PF_Err (*)(PF_ProgPtr, PF_PlatDataID, void*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, host_get_handle_size, A_u_longlong (*)(PF_Handle));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, iterate_origin_non_clip_src,
                 PF_Err (*)(PF_InData*, A_long, A_long, PF_EffectWorld*, const PF_Rect*,
                            const PF_Point*, void*, PF_IteratePixel8Func, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, iterate_generic,
                 PF_Err (*)(A_long, void*, PF_Err (*)(void*, A_long, A_long, A_long)));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, host_resize_handle, PF_Err (*)(A_u_longlong, PF_Handle*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, subpixel_sample16,
                 PF_Err (*)(PF_ProgPtr, PF_Fixed, PF_Fixed, const PF_SampPB*, PF_Pixel16*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, area_sample16,
                 PF_Err (*)(PF_ProgPtr, PF_Fixed, PF_Fixed, const PF_SampPB*, PF_Pixel16*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, fill16,
                 PF_Err (*)(PF_ProgPtr, const PF_Pixel16*, const PF_Rect*, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, premultiply_color16,
                 PF_Err (*)(PF_ProgPtr, PF_EffectWorld*, const PF_Pixel16*, A_long,
                            PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, iterate16,
                 PF_Err (*)(PF_InData*, A_long, A_long, PF_EffectWorld*, const PF_Rect*, void*,
                            PF_IteratePixel16Func, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, iterate_origin16,
                 PF_Err (*)(PF_InData*, A_long, A_long, PF_EffectWorld*, const PF_Rect*,
                            const PF_Point*, void*, PF_IteratePixel16Func, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, iterate_origin_non_clip_src16,
                 PF_Err (*)(PF_InData*, A_long, A_long, PF_EffectWorld*, const PF_Rect*,
                            const PF_Point*, void*, PF_IteratePixel16Func, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, get_pixel_data8,
                 PF_Err (*)(PF_EffectWorld*, PF_PixelPtr, PF_Pixel8**));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, get_pixel_data16,
                 PF_Err (*)(PF_EffectWorld*, PF_PixelPtr, PF_Pixel16**));
HLV3_EXPECT_TYPE(PF_UtilCallbacks, reserved, A_long[1]);

HLV3_EXPECT_TYPE(PF_ANSICallbacks, atan, A_FpLong (*)(A_FpLong));
HLV3_EXPECT_TYPE(PF_ANSICallbacks, atan2, A_FpLong (*)(A_FpLong, A_FpLong));
HLV3_EXPECT_TYPES(PF_ANSICallbacks, A_FpLong (*)(A_FpLong), ceil, cos, exp, fabs, floor);
HLV3_EXPECT_TYPE(PF_ANSICallbacks, fmod, A_FpLong (*)(A_FpLong, A_FpLong));
HLV3_EXPECT_TYPE(PF_ANSICallbacks, hypot, A_FpLong (*)(A_FpLong, A_FpLong));
HLV3_EXPECT_TYPES(PF_ANSICallbacks, A_FpLong (*)(A_FpLong), log, log10);
HLV3_EXPECT_TYPE(PF_ANSICallbacks, pow, A_FpLong (*)(A_FpLong, A_FpLong));
HLV3_EXPECT_TYPES(PF_ANSICallbacks, A_FpLong (*)(A_FpLong), sin, sqrt, tan);
HLV3_EXPECT_TYPE(PF_ANSICallbacks, sprintf, int (*)(A_char*, const A_char*, ...));
HLV3_EXPECT_TYPE(PF_ANSICallbacks, strcpy, A_char* (*)(A_char*, const A_char*));
HLV3_EXPECT_TYPES(PF_ANSICallbacks, A_FpLong (*)(A_FpLong), asin, acos);
HLV3_EXPECT_TYPE(PF_ANSICallbacks, ansi_procs, A_long[1]);

HLV3_EXPECT_TYPE(PF_ColorCallbacks, RGBtoHLS, PF_Err (*)(PF_ProgPtr, PF_Pixel*, PF_Fixed*));
HLV3_EXPECT_TYPE(PF_ColorCallbacks, HLStoRGB, PF_Err (*)(PF_ProgPtr, PF_Fixed*, PF_Pixel*));
HLV3_EXPECT_TYPE(PF_ColorCallbacks, RGBtoYIQ, PF_Err (*)(PF_ProgPtr, PF_Pixel*, PF_Fixed*));
HLV3_EXPECT_TYPE(PF_ColorCallbacks, YIQtoRGB, PF_Err (*)(PF_ProgPtr, PF_Fixed*, PF_Pixel*));
HLV3_EXPECT_TYPE(PF_ColorCallbacks, Luminance, PF_Err (*)(PF_ProgPtr, PF_Pixel*, A_long*));
HLV3_EXPECT_TYPE(PF_ColorCallbacks, Hue, PF_Err (*)(PF_ProgPtr, PF_Pixel*, A_long*));
HLV3_EXPECT_TYPE(PF_ColorCallbacks, Lightness, PF_Err (*)(PF_ProgPtr, PF_Pixel*, A_long*));
HLV3_EXPECT_TYPE(PF_ColorCallbacks, Saturation, PF_Err (*)(PF_ProgPtr, PF_Pixel*, A_long*));

HLV3_EXPECT_TYPE(PF_OutData, my_version, A_u_long);
HLV3_EXPECT_TYPE(PF_OutData, name, A_char[32]);
HLV3_EXPECT_TYPE(PF_OutData, global_data, PF_Handle);
HLV3_EXPECT_TYPE(PF_OutData, num_params, A_long);
HLV3_EXPECT_TYPE(PF_OutData, sequence_data, PF_Handle);
HLV3_EXPECT_TYPE(PF_OutData, flat_sdata_size, A_long);
HLV3_EXPECT_TYPE(PF_OutData, frame_data, PF_Handle);
HLV3_EXPECT_TYPES(PF_OutData, A_long, width, height);
HLV3_EXPECT_TYPE(PF_OutData, origin, PF_Point);
HLV3_EXPECT_TYPE(PF_OutData, out_flags, PF_OutFlags);
HLV3_EXPECT_TYPE(PF_OutData, return_msg, A_char[256]);
HLV3_EXPECT_TYPES(PF_OutData, A_long, start_sampL, dur_sampL);
HLV3_EXPECT_TYPE(PF_OutData, dest_snd, PF_SoundWorld);
HLV3_EXPECT_TYPE(PF_OutData, out_flags2, PF_OutFlags2);

HLV3_EXPECT_TYPE(PF_SoundWorld, fi, PF_SoundFormatInfo);
HLV3_EXPECT_TYPE(PF_SoundWorld, num_samples, A_long);
HLV3_EXPECT_TYPE(PF_SoundWorld, dataP, void*);

HLV3_EXPECT_TYPE(PF_SoundFormatInfo, rateF, PF_FpLong);
HLV3_EXPECT_TYPE(PF_SoundFormatInfo, num_channels, PF_SoundChannels);
HLV3_EXPECT_TYPE(PF_SoundFormatInfo, format, PF_SoundFormat);
HLV3_EXPECT_TYPE(PF_SoundFormatInfo, sample_size, PF_SoundSampleSize);

HLV3_EXPECT_TYPE(PF_ParamDef, ui_flags, PF_ParamUIFlags);
HLV3_EXPECT_TYPES(PF_ParamDef, A_short, ui_width, ui_height);
HLV3_EXPECT_TYPE(PF_ParamDef, param_type, PF_ParamType);
HLV3_EXPECT_TYPE(PF_ParamDef, name, A_char[32]);
HLV3_EXPECT_TYPE(PF_ParamDef, flags, PF_ParamFlags);
HLV3_EXPECT_TYPE(PF_ParamDef, unused, A_long);
HLV3_EXPECT_TYPE(PF_ParamDef, u, PF_ParamDefUnion);

HLV3_EXPECT_TYPE(PF_ParamDefUnion, ld, struct PF_LayerDef);
HLV3_EXPECT_TYPE(PF_ParamDefUnion, sd, PF_SliderDef);
HLV3_EXPECT_TYPE(PF_ParamDefUnion, fd, PF_FixedSliderDef);
HLV3_EXPECT_TYPE(PF_ParamDefUnion, ad, PF_AngleDef);
HLV3_EXPECT_TYPE(PF_ParamDefUnion, bd, PF_CheckBoxDef);
HLV3_EXPECT_TYPE(PF_ParamDefUnion, cd, PF_ColorDef);
HLV3_EXPECT_TYPE(PF_ParamDefUnion, td, PF_PointDef);
HLV3_EXPECT_TYPE(PF_ParamDefUnion, pd, PF_PopupDef);
HLV3_EXPECT_TYPE(PF_ParamDefUnion, fs_d, PF_FloatSliderDef);
HLV3_EXPECT_TYPE(PF_ParamDefUnion, arb_d, PF_ArbitraryDef);
HLV3_EXPECT_TYPE(PF_ParamDefUnion, path_d, struct PF_PathDef);
HLV3_EXPECT_TYPE(PF_ParamDefUnion, button_d, PF_ButtonDef);
HLV3_EXPECT_TYPE(PF_ParamDefUnion, point3d_d, PF_Point3DDef);

HLV3_EXPECT_TYPES(PF_LayerDef, void*, reserved0, reserved1);
HLV3_EXPECT_TYPE(PF_LayerDef, world_flags, PF_WorldFlags);
HLV3_EXPECT_TYPE(PF_LayerDef, data, PF_PixelPtr);
HLV3_EXPECT_TYPES(PF_LayerDef, A_long, rowbytes, width, height);
HLV3_EXPECT_TYPE(PF_LayerDef, extent_hint, PF_LRect);
HLV3_EXPECT_TYPE(PF_LayerDef, platform_ref, void*);
HLV3_EXPECT_TYPE(PF_LayerDef, reserved_long1, A_long);
HLV3_EXPECT_TYPE(PF_LayerDef, reserved_long4, void*);
HLV3_EXPECT_TYPE(PF_LayerDef, pix_aspect_ratio, PF_RationalScale);
HLV3_EXPECT_TYPE(PF_LayerDef, reserved_long2, void*);
HLV3_EXPECT_TYPES(PF_LayerDef, A_long, origin_x, origin_y, reserved_long3, dephault);

HLV3_EXPECT_TYPE(PF_SliderDef, value, PF_ParamValue);
HLV3_EXPECT_TYPES(PF_SliderDef, A_char[32], value_str, value_desc);
HLV3_EXPECT_TYPES(PF_SliderDef, PF_ParamValue, valid_min, valid_max, slider_min, slider_max,
                  dephault);

HLV3_EXPECT_TYPE(PF_FixedSliderDef, value, PF_Fixed);
HLV3_EXPECT_TYPES(PF_FixedSliderDef, A_char[32], value_str, value_desc);
HLV3_EXPECT_TYPES(PF_FixedSliderDef, PF_Fixed, valid_min, valid_max, slider_min, slider_max,
                  dephault);
HLV3_EXPECT_TYPE(PF_FixedSliderDef, precision, A_short);
HLV3_EXPECT_TYPE(PF_FixedSliderDef, display_flags, PF_ValueDisplayFlags);

HLV3_EXPECT_TYPES(PF_FloatSliderDef, PF_FpLong, value, phase);
HLV3_EXPECT_TYPE(PF_FloatSliderDef, value_desc, A_char[32]);
HLV3_EXPECT_TYPES(PF_FloatSliderDef, PF_FpShort, valid_min, valid_max, slider_min, slider_max,
                  dephault);
HLV3_EXPECT_TYPE(PF_FloatSliderDef, precision, A_short);
HLV3_EXPECT_TYPE(PF_FloatSliderDef, display_flags, PF_ValueDisplayFlags);
HLV3_EXPECT_TYPE(PF_FloatSliderDef, fs_flags, PF_FSliderFlags);
HLV3_EXPECT_TYPE(PF_FloatSliderDef, curve_tolerance, PF_FpShort);
HLV3_EXPECT_TYPE(PF_FloatSliderDef, useExponent, PF_Boolean);
HLV3_EXPECT_TYPE(PF_FloatSliderDef, exponent, PF_FpShort);

HLV3_EXPECT_TYPES(PF_AngleDef, PF_Fixed, value, dephault, valid_min, valid_max);

HLV3_EXPECT_TYPE(PF_CheckBoxDef, value, PF_ParamValue);
HLV3_EXPECT_TYPE(PF_CheckBoxDef, dephault, PF_Boolean);
HLV3_EXPECT_TYPE(PF_CheckBoxDef, reserved, A_char);
HLV3_EXPECT_TYPE(PF_CheckBoxDef, reserved1, A_short);

HLV3_EXPECT_TYPES(PF_ColorDef, PF_Pixel, value, dephault);

HLV3_EXPECT_TYPES(PF_PointDef, PF_Fixed, x_value, y_value);
HLV3_EXPECT_TYPE(PF_PointDef, reserved, A_char[3]);
HLV3_EXPECT_TYPE(PF_PointDef, restrict_bounds, PF_Boolean);
HLV3_EXPECT_TYPES(PF_PointDef, PF_Fixed, x_dephault, y_dephault);

HLV3_EXPECT_TYPES(PF_Point3DDef, PF_FpLong, x_value, y_value, z_value, x_dephault, y_dephault,
                  z_dephault);
HLV3_EXPECT_TYPE(PF_Point3DDef, reserved, char[16]);

HLV3_EXPECT_TYPE(PF_PopupDef, value, PF_ParamValue);
HLV3_EXPECT_TYPES(PF_PopupDef, A_short, num_choices, dephault);

HLV3_EXPECT_TYPE(PF_ButtonDef, value, PF_ParamValue);

HLV3_EXPECT_TYPE(PF_PathDef, path_id, PF_PathID);
HLV3_EXPECT_TYPES(PF_PathDef, A_long, reserved0, dephault);

HLV3_EXPECT_TYPES(PF_ArbitraryDef, A_short, id, pad);
HLV3_EXPECT_TYPES(PF_ArbitraryDef, PF_ArbitraryH, dephault, value);
HLV3_EXPECT_TYPE(PF_ArbitraryDef, refconPV, void*);

HLV3_EXPECT_TYPE(PF_UserChangedParamExtra, param_index, PF_ParamIndex);

HLV3_EXPECT_TYPE(PF_CustomUIInfo, reserved, A_long);
HLV3_EXPECT_TYPE(PF_CustomUIInfo, events, PF_CustomEventFlags);
HLV3_EXPECT_TYPES(PF_CustomUIInfo, A_long, comp_ui_width, comp_ui_height);
HLV3_EXPECT_TYPE(PF_CustomUIInfo, comp_ui_alignment, PF_UIAlignment);
HLV3_EXPECT_TYPES(PF_CustomUIInfo, A_long, layer_ui_width, layer_ui_height);
HLV3_EXPECT_TYPE(PF_CustomUIInfo, layer_ui_alignment, PF_UIAlignment);
HLV3_EXPECT_TYPES(PF_CustomUIInfo, A_long, preview_ui_width, preview_ui_height);
HLV3_EXPECT_TYPE(PF_CustomUIInfo, preview_ui_alignment, PF_UIAlignment);

HLV3_EXPECT_TYPE(PF_EventExtra, contextH, PF_ContextH);
HLV3_EXPECT_TYPE(PF_EventExtra, e_type, PF_EventType);
HLV3_EXPECT_TYPE(PF_EventExtra, u, PF_EventUnion);
HLV3_EXPECT_TYPE(PF_EventExtra, effect_win, PF_EffectWindowInfo);
HLV3_EXPECT_TYPE(PF_EventExtra, cbs, PF_EventCallbacks);
HLV3_EXPECT_TYPE(PF_EventExtra, evt_in_flags, PF_EventInFlags);
HLV3_EXPECT_TYPE(PF_EventExtra, evt_out_flags, PF_EventOutFlags);

HLV3_EXPECT_TYPE(PF_EventUnion, do_click, PF_DoClickEventInfo);
HLV3_EXPECT_TYPE(PF_EventUnion, draw, PF_DrawEventInfo);
HLV3_EXPECT_TYPE(PF_EventUnion, key_down, PF_KeyDownEvent);
HLV3_EXPECT_TYPE(PF_EventUnion, adjust_cursor, PF_AdjustCursorEventInfo);

HLV3_EXPECT_TYPE(PF_DoClickEventInfo, when, A_u_long);
HLV3_EXPECT_TYPE(PF_DoClickEventInfo, screen_point, PF_Point);
HLV3_EXPECT_TYPE(PF_DoClickEventInfo, num_clicks, A_long);
HLV3_EXPECT_TYPE(PF_DoClickEventInfo, modifiers, PF_Modifiers);
HLV3_EXPECT_TYPE(PF_DoClickEventInfo, continue_refcon, A_intptr_t[4]);
HLV3_EXPECT_TYPES(PF_DoClickEventInfo, PF_Boolean, send_drag, last_time);

HLV3_EXPECT_TYPE(PF_DrawEventInfo, update_rect, PF_LRect);
HLV3_EXPECT_TYPE(PF_DrawEventInfo, depth, A_long);

HLV3_EXPECT_TYPE(PF_KeyDownEvent, when, A_u_long);
HLV3_EXPECT_TYPE(PF_KeyDownEvent, screen_point, PF_Point);
HLV3_EXPECT_TYPE(PF_KeyDownEvent, keycode, PF_KeyCode);
HLV3_EXPECT_TYPE(PF_KeyDownEvent, modifiers, PF_Modifiers);

HLV3_EXPECT_TYPE(PF_AdjustCursorEventInfo, screen_point, PF_Point);
HLV3_EXPECT_TYPE(PF_AdjustCursorEventInfo, modifiers, PF_Modifiers);
HLV3_EXPECT_TYPE(PF_AdjustCursorEventInfo, set_cursor, PF_CursorType);

HLV3_EXPECT_TYPE(PF_EffectWindowInfo, index, PF_ParamIndex);
HLV3_EXPECT_TYPE(PF_EffectWindowInfo, area, PF_EffectArea);
HLV3_EXPECT_TYPES(PF_EffectWindowInfo, PF_LRect, current_frame, param_title_frame);
HLV3_EXPECT_TYPE(PF_EffectWindowInfo, horiz_offset, A_long);

HLV3_EXPECT_TYPE(PF_Context, magic, A_u_long);
HLV3_EXPECT_TYPE(PF_Context, w_type, PF_WindowType);
HLV3_EXPECT_TYPE(PF_Context, reserved_flt, PF_ContextRefcon);
HLV3_EXPECT_TYPE(PF_Context, plugin_state, A_intptr_t[4]);
HLV3_EXPECT_TYPE(PF_Context, reserved_drawref, DRAWBOT_DrawRef);
HLV3_EXPECT_TYPES(PF_Context, void*, reserved_paneP, reserved_job_manageP);

HLV3_EXPECT_TYPE(PF_EventCallbacks, refcon, void*);
HLV3_EXPECT_TYPE(PF_EventCallbacks, layer_to_comp,
                 PF_Err (*)(void*, PF_ContextH, A_long, A_long, PF_FixedPoint*));
HLV3_EXPECT_TYPE(PF_EventCallbacks, comp_to_layer,
                 PF_Err (*)(void*, PF_ContextH, A_long, A_long, PF_FixedPoint*));
HLV3_EXPECT_TYPE(PF_EventCallbacks, get_comp2layer_xform,
                 PF_Err (*)(void*, PF_ContextH, A_long, A_long, A_long*, PF_FloatMatrix*));
HLV3_EXPECT_TYPE(PF_EventCallbacks, get_layer2comp_xform,
                 PF_Err (*)(void*, PF_ContextH, A_long, A_long, PF_FloatMatrix*));
HLV3_EXPECT_TYPE(PF_EventCallbacks, source_to_frame,
                 PF_Err (*)(void*, PF_ContextH, PF_FixedPoint*));
HLV3_EXPECT_TYPE(PF_EventCallbacks, frame_to_source,
                 PF_Err (*)(void*, PF_ContextH, PF_FixedPoint*));
HLV3_EXPECT_TYPE(PF_EventCallbacks, info_draw_color, PF_Err (*)(void*, PF_Pixel));
HLV3_EXPECT_TYPE(PF_EventCallbacks, info_draw_text,
                 PF_Err (*)(void*, const A_char*, const A_char*));

HLV3_EXPECT_TYPE(PF_RenderRequest, rect, PF_LRect);
HLV3_EXPECT_TYPE(PF_RenderRequest, field, PF_Field);
HLV3_EXPECT_TYPE(PF_RenderRequest, channel_mask, PF_ChannelMask);
HLV3_EXPECT_TYPE(PF_RenderRequest, preserve_rgb_of_zero_alpha, PF_Boolean);
HLV3_EXPECT_TYPE(PF_RenderRequest, unused, char[3]);
HLV3_EXPECT_TYPE(PF_RenderRequest, reserved, A_long[4]);

HLV3_EXPECT_TYPE(PF_PreRenderInput, output_request, PF_RenderRequest);
HLV3_EXPECT_TYPE(PF_PreRenderInput, bitdepth, short);
HLV3_EXPECT_TYPE(PF_PreRenderInput, gpu_data, const void*);
HLV3_EXPECT_TYPE(PF_PreRenderInput, what_gpu, PF_GPU_Framework);
HLV3_EXPECT_TYPE(PF_PreRenderInput, device_index, A_u_long);

HLV3_EXPECT_TYPES(PF_PreRenderOutput, PF_LRect, result_rect, max_result_rect);
HLV3_EXPECT_TYPES(PF_PreRenderOutput, PF_Boolean, solid, reserved);
HLV3_EXPECT_TYPE(PF_PreRenderOutput, flags, PF_RenderOutputFlags);
HLV3_EXPECT_TYPE(PF_PreRenderOutput, pre_render_data, void*);
HLV3_EXPECT_TYPE(PF_PreRenderOutput, delete_pre_render_data_func, PF_DeletePreRenderDataFunc);

HLV3_EXPECT_TYPES(PF_CheckoutResult, PF_LRect, result_rect, max_result_rect);
HLV3_EXPECT_TYPE(PF_CheckoutResult, par, PF_RationalScale);
HLV3_EXPECT_TYPE(PF_CheckoutResult, solid, PF_Boolean);
HLV3_EXPECT_TYPE(PF_CheckoutResult, reservedB, PF_Boolean[3]);
HLV3_EXPECT_TYPES(PF_CheckoutResult, A_long, ref_width, ref_height);
HLV3_EXPECT_TYPE(PF_CheckoutResult, reserved, A_long[6]);

HLV3_EXPECT_TYPE(PF_PreRenderCallbacks, checkout_layer,
                 PF_Err (*)(PF_ProgPtr, PF_ParamIndex, A_long, const PF_RenderRequest*, A_long,
                            A_long, A_u_long, PF_CheckoutResult*));
HLV3_EXPECT_TYPE(PF_PreRenderCallbacks, GuidMixInPtr,
                 PF_Err (*)(PF_ProgPtr, A_u_long, const void*));

HLV3_EXPECT_TYPE(PF_PreRenderExtra, input, PF_PreRenderInput*);
HLV3_EXPECT_TYPE(PF_PreRenderExtra, output, PF_PreRenderOutput*);
HLV3_EXPECT_TYPE(PF_PreRenderExtra, cb, PF_PreRenderCallbacks*);

HLV3_EXPECT_TYPE(PF_SmartRenderInput, output_request, PF_RenderRequest);
HLV3_EXPECT_TYPE(PF_SmartRenderInput, bitdepth, short);
HLV3_EXPECT_TYPE(PF_SmartRenderInput, pre_render_data, void*);
HLV3_EXPECT_TYPE(PF_SmartRenderInput, gpu_data, const void*);
HLV3_EXPECT_TYPE(PF_SmartRenderInput, what_gpu, PF_GPU_Framework);
HLV3_EXPECT_TYPE(PF_SmartRenderInput, device_index, A_u_long);

HLV3_EXPECT_TYPE(PF_SmartRenderCallbacks, checkout_layer_pixels,
                 PF_Err (*)(PF_ProgPtr, A_long, PF_EffectWorld**));
HLV3_EXPECT_TYPE(PF_SmartRenderCallbacks, checkin_layer_pixels, PF_Err (*)(PF_ProgPtr, A_long));
HLV3_EXPECT_TYPE(PF_SmartRenderCallbacks, checkout_output,
                 PF_Err (*)(PF_ProgPtr, PF_EffectWorld**));

HLV3_EXPECT_TYPE(PF_SmartRenderExtra, input, PF_SmartRenderInput*);
HLV3_EXPECT_TYPE(PF_SmartRenderExtra, cb, PF_SmartRenderCallbacks*);

HLV3_EXPECT_TYPE(SPBasicSuite, AcquireSuite, SPErr (*)(const char*, int32, const void**));
HLV3_EXPECT_TYPE(SPBasicSuite, ReleaseSuite, SPErr (*)(const char*, int32));
HLV3_EXPECT_TYPE(SPBasicSuite, IsEqual, SPBoolean (*)(const char*, const char*));
HLV3_EXPECT_TYPE(SPBasicSuite, AllocateBlock, SPErr (*)(size_t, void**));
HLV3_EXPECT_TYPE(SPBasicSuite, FreeBlock, SPErr (*)(void*));
HLV3_EXPECT_TYPE(SPBasicSuite, ReallocateBlock, SPErr (*)(void*, size_t, void**));
HLV3_EXPECT_TYPE(SPBasicSuite, Undefined, SPErr (*)(void));

HLV3_EXPECT_TYPE(PF_HandleSuite1, host_new_handle, PF_Handle (*)(A_HandleSize));
HLV3_EXPECT_TYPE(PF_HandleSuite1, host_lock_handle, void* (*)(PF_Handle));
HLV3_EXPECT_TYPES(PF_HandleSuite1, void (*)(PF_Handle), host_unlock_handle, host_dispose_handle);
HLV3_EXPECT_TYPE(PF_HandleSuite1, host_get_handle_size, A_HandleSize (*)(PF_Handle));
HLV3_EXPECT_TYPE(PF_HandleSuite1, host_resize_handle, PF_Err (*)(A_HandleSize, PF_Handle*));

HLV3_EXPECT_TYPE(PF_ANSICallbacksSuite1, atan, A_FpLong (*)(A_FpLong));
HLV3_EXPECT_TYPE(PF_ANSICallbacksSuite1, atan2, A_FpLong (*)(A_FpLong, A_FpLong));
HLV3_EXPECT_TYPES(PF_ANSICallbacksSuite1, A_FpLong (*)(A_FpLong), ceil, cos, exp, fabs, floor);
HLV3_EXPECT_TYPE(PF_ANSICallbacksSuite1, fmod, A_FpLong (*)(A_FpLong, A_FpLong));
HLV3_EXPECT_TYPE(PF_ANSICallbacksSuite1, hypot, A_FpLong (*)(A_FpLong, A_FpLong));
HLV3_EXPECT_TYPES(PF_ANSICallbacksSuite1, A_FpLong (*)(A_FpLong), log, log10);
HLV3_EXPECT_TYPE(PF_ANSICallbacksSuite1, pow, A_FpLong (*)(A_FpLong, A_FpLong));
HLV3_EXPECT_TYPES(PF_ANSICallbacksSuite1, A_FpLong (*)(A_FpLong), sin, sqrt, tan);
HLV3_EXPECT_TYPE(PF_ANSICallbacksSuite1, sprintf, int (*)(A_char*, const A_char*, ...));
HLV3_EXPECT_TYPE(PF_ANSICallbacksSuite1, strcpy, A_char* (*)(A_char*, const A_char*));
HLV3_EXPECT_TYPES(PF_ANSICallbacksSuite1, A_FpLong (*)(A_FpLong), asin, acos);

HLV3_EXPECT_TYPE(PF_ParamUtilsSuite3, PF_UpdateParamUI,
                 PF_Err (*)(PF_ProgPtr, PF_ParamIndex, const PF_ParamDef*));
HLV3_EXPECT_TYPE(PF_ParamUtilsSuite3, PF_GetCurrentState,
                 PF_Err (*)(PF_ProgPtr, PF_ParamIndex, const A_Time*, const A_Time*, PF_State*));
HLV3_EXPECT_TYPE(PF_ParamUtilsSuite3, PF_AreStatesIdentical,
                 PF_Err (*)(PF_ProgPtr, const PF_State*, const PF_State*, A_Boolean*));
HLV3_EXPECT_TYPE(PF_ParamUtilsSuite3, PF_IsIdenticalCheckout,
                 PF_Err (*)(PF_ProgPtr, PF_ParamIndex, A_long, A_long, A_u_long, A_long, A_long,
                            A_u_long, PF_Boolean*));
HLV3_EXPECT_TYPE(PF_ParamUtilsSuite3, PF_FindKeyframeTime,
                 PF_Err (*)(PF_ProgPtr, PF_ParamIndex, A_long, A_u_long, PF_TimeDir, PF_Boolean*,
                            PF_KeyIndex*, A_long*, A_u_long*));
HLV3_EXPECT_TYPE(PF_ParamUtilsSuite3, PF_GetKeyframeCount,
                 PF_Err (*)(PF_ProgPtr, PF_ParamIndex, PF_KeyIndex*));
HLV3_EXPECT_TYPE(PF_ParamUtilsSuite3, PF_CheckoutKeyframe,
                 PF_Err (*)(PF_ProgPtr, PF_ParamIndex, PF_KeyIndex, A_long*, A_u_long*,
                            PF_ParamDef*));
HLV3_EXPECT_TYPE(PF_ParamUtilsSuite3, PF_CheckinKeyframe, PF_Err (*)(PF_ProgPtr, PF_ParamDef*));
HLV3_EXPECT_TYPE(PF_ParamUtilsSuite3, PF_KeyIndexToTime,
                 PF_Err (*)(PF_ProgPtr, PF_ParamIndex, PF_KeyIndex, A_long*, A_u_long*));

HLV3_EXPECT_TYPE(AEGP_PFInterfaceSuite1, AEGP_GetEffectLayer, A_Err (*)(PF_ProgPtr, AEGP_LayerH*));
HLV3_EXPECT_TYPE(AEGP_PFInterfaceSuite1, AEGP_GetNewEffectForEffect,
                 A_Err (*)(AEGP_PluginID, PF_ProgPtr, AEGP_EffectRefH*));
HLV3_EXPECT_TYPE(AEGP_PFInterfaceSuite1, AEGP_ConvertEffectToCompTime,
                 A_Err (*)(PF_ProgPtr, A_long, A_u_long, A_Time*));
HLV3_EXPECT_TYPE(AEGP_PFInterfaceSuite1, AEGP_GetEffectCamera,
                 A_Err (*)(PF_ProgPtr, const A_Time*, AEGP_LayerH*));
HLV3_EXPECT_TYPE(AEGP_PFInterfaceSuite1, AEGP_GetEffectCameraMatrix,
                 A_Err (*)(PF_ProgPtr, const A_Time*, A_Matrix4*, A_FpLong*, A_short*, A_short*));

HLV3_EXPECT_TYPE(AEGP_EffectSuite2, AEGP_GetLayerNumEffects, A_Err (*)(AEGP_LayerH, A_long*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite2, AEGP_GetLayerEffectByIndex,
                 A_Err (*)(AEGP_PluginID, AEGP_LayerH, AEGP_EffectIndex, AEGP_EffectRefH*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite2, AEGP_GetInstalledKeyFromLayerEffect,
                 A_Err (*)(AEGP_EffectRefH, AEGP_InstalledEffectKey*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite2, AEGP_GetEffectParamUnionByIndex,
                 A_Err (*)(AEGP_PluginID, AEGP_EffectRefH, PF_ParamIndex, PF_ParamType*,
                           PF_ParamDefUnion*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite2, AEGP_GetEffectFlags,
                 A_Err (*)(AEGP_EffectRefH, AEGP_EffectFlags*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite2, AEGP_SetEffectFlags,
                 A_Err (*)(AEGP_EffectRefH, AEGP_EffectFlags, AEGP_EffectFlags));
HLV3_EXPECT_TYPE(AEGP_EffectSuite2, AEGP_ReorderEffect, A_Err (*)(AEGP_EffectRefH, A_long));
HLV3_EXPECT_TYPE(AEGP_EffectSuite2, AEGP_EffectCallGeneric,
                 A_Err (*)(AEGP_PluginID, AEGP_EffectRefH, const A_Time*, void*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite2, AEGP_DisposeEffect, A_Err (*)(AEGP_EffectRefH));
HLV3_EXPECT_TYPE(AEGP_EffectSuite2, AEGP_ApplyEffect,
                 A_Err (*)(AEGP_PluginID, AEGP_LayerH, AEGP_InstalledEffectKey, AEGP_EffectRefH*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite2, AEGP_DeleteLayerEffect, A_Err (*)(AEGP_EffectRefH));
HLV3_EXPECT_TYPE(AEGP_EffectSuite2, AEGP_GetNumInstalledEffects, A_Err (*)(A_long*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite2, AEGP_GetNextInstalledEffect,
                 A_Err (*)(AEGP_InstalledEffectKey, AEGP_InstalledEffectKey*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite2, AEGP_GetEffectName,
                 A_Err (*)(AEGP_InstalledEffectKey, A_char*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite2, AEGP_GetEffectMatchName,
                 A_Err (*)(AEGP_InstalledEffectKey, A_char*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite2, AEGP_GetEffectCategory,
                 A_Err (*)(AEGP_InstalledEffectKey, A_char*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite2, AEGP_DuplicateEffect,
                 A_Err (*)(AEGP_EffectRefH, AEGP_EffectRefH*));

HLV3_EXPECT_TYPE(AEGP_EffectSuite3, AEGP_GetLayerNumEffects, A_Err (*)(AEGP_LayerH, A_long*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite3, AEGP_GetLayerEffectByIndex,
                 A_Err (*)(AEGP_PluginID, AEGP_LayerH, AEGP_EffectIndex, AEGP_EffectRefH*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite3, AEGP_GetInstalledKeyFromLayerEffect,
                 A_Err (*)(AEGP_EffectRefH, AEGP_InstalledEffectKey*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite3, AEGP_GetEffectParamUnionByIndex,
                 A_Err (*)(AEGP_PluginID, AEGP_EffectRefH, PF_ParamIndex, PF_ParamType*,
                           PF_ParamDefUnion*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite3, AEGP_GetEffectFlags,
                 A_Err (*)(AEGP_EffectRefH, AEGP_EffectFlags*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite3, AEGP_SetEffectFlags,
                 A_Err (*)(AEGP_EffectRefH, AEGP_EffectFlags, AEGP_EffectFlags));
HLV3_EXPECT_TYPE(AEGP_EffectSuite3, AEGP_ReorderEffect, A_Err (*)(AEGP_EffectRefH, A_long));
HLV3_EXPECT_TYPE(AEGP_EffectSuite3, AEGP_EffectCallGeneric,
                 A_Err (*)(AEGP_PluginID, AEGP_EffectRefH, const A_Time*, PF_Cmd, void*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite3, AEGP_DisposeEffect, A_Err (*)(AEGP_EffectRefH));
HLV3_EXPECT_TYPE(AEGP_EffectSuite3, AEGP_ApplyEffect,
                 A_Err (*)(AEGP_PluginID, AEGP_LayerH, AEGP_InstalledEffectKey, AEGP_EffectRefH*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite3, AEGP_DeleteLayerEffect, A_Err (*)(AEGP_EffectRefH));
HLV3_EXPECT_TYPE(AEGP_EffectSuite3, AEGP_GetNumInstalledEffects, A_Err (*)(A_long*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite3, AEGP_GetNextInstalledEffect,
                 A_Err (*)(AEGP_InstalledEffectKey, AEGP_InstalledEffectKey*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite3, AEGP_GetEffectName,
                 A_Err (*)(AEGP_InstalledEffectKey, A_char*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite3, AEGP_GetEffectMatchName,
                 A_Err (*)(AEGP_InstalledEffectKey, A_char*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite3, AEGP_GetEffectCategory,
                 A_Err (*)(AEGP_InstalledEffectKey, A_char*));
HLV3_EXPECT_TYPE(AEGP_EffectSuite3, AEGP_DuplicateEffect,
                 A_Err (*)(AEGP_EffectRefH, AEGP_EffectRefH*));

HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_IsStreamLegal,
                 A_Err (*)(AEGP_LayerH, AEGP_LayerStream, A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_CanVaryOverTime, A_Err (*)(AEGP_StreamRefH, A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_GetValidInterpolations,
                 A_Err (*)(AEGP_StreamRefH, AEGP_KeyInterpolationMask*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_GetNewLayerStream,
                 A_Err (*)(AEGP_PluginID, AEGP_LayerH, AEGP_LayerStream, AEGP_StreamRefH*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_GetEffectNumParamStreams,
                 A_Err (*)(AEGP_EffectRefH, A_long*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_GetNewEffectStreamByIndex,
                 A_Err (*)(AEGP_PluginID, AEGP_EffectRefH, PF_ParamIndex, AEGP_StreamRefH*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_GetNewMaskStream,
                 A_Err (*)(AEGP_PluginID, AEGP_MaskRefH, AEGP_MaskStream, AEGP_StreamRefH*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_DisposeStream, A_Err (*)(AEGP_StreamRefH));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_GetStreamName,
                 A_Err (*)(AEGP_StreamRefH, A_Boolean, A_char*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_GetStreamUnitsText,
                 A_Err (*)(AEGP_StreamRefH, A_Boolean, A_char*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_GetStreamProperties,
                 A_Err (*)(AEGP_StreamRefH, AEGP_StreamFlags*, A_FpLong*, A_FpLong*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_IsStreamTimevarying,
                 A_Err (*)(AEGP_StreamRefH, A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_GetStreamType,
                 A_Err (*)(AEGP_StreamRefH, AEGP_StreamType*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_GetNewStreamValue,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, AEGP_LTimeMode, const A_Time*, A_Boolean,
                           AEGP_StreamValue*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_DisposeStreamValue, A_Err (*)(AEGP_StreamValue*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_SetStreamValue,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, AEGP_StreamValue*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_GetLayerStreamValue,
                 A_Err (*)(AEGP_LayerH, AEGP_LayerStream, AEGP_LTimeMode, const A_Time*, A_Boolean,
                           AEGP_StreamVal*, AEGP_StreamType*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_GetExpressionState,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_SetExpressionState,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, A_Boolean));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_GetExpression,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, AEGP_MemHandle*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_SetExpression,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, const A_char*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite2, AEGP_DuplicateStreamRef,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, AEGP_StreamRefH*));

HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_IsStreamLegal,
                 A_Err (*)(AEGP_LayerH, AEGP_LayerStream, A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_CanVaryOverTime, A_Err (*)(AEGP_StreamRefH, A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_GetValidInterpolations,
                 A_Err (*)(AEGP_StreamRefH, AEGP_KeyInterpolationMask*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_GetNewLayerStream,
                 A_Err (*)(AEGP_PluginID, AEGP_LayerH, AEGP_LayerStream, AEGP_StreamRefH*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_GetEffectNumParamStreams,
                 A_Err (*)(AEGP_EffectRefH, A_long*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_GetNewEffectStreamByIndex,
                 A_Err (*)(AEGP_PluginID, AEGP_EffectRefH, PF_ParamIndex, AEGP_StreamRefH*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_GetNewMaskStream,
                 A_Err (*)(AEGP_PluginID, AEGP_MaskRefH, AEGP_MaskStream, AEGP_StreamRefH*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_DisposeStream, A_Err (*)(AEGP_StreamRefH));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_GetStreamName,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, A_Boolean, AEGP_MemHandle*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_GetStreamUnitsText,
                 A_Err (*)(AEGP_StreamRefH, A_Boolean, A_char*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_GetStreamProperties,
                 A_Err (*)(AEGP_StreamRefH, AEGP_StreamFlags*, A_FpLong*, A_FpLong*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_IsStreamTimevarying,
                 A_Err (*)(AEGP_StreamRefH, A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_GetStreamType,
                 A_Err (*)(AEGP_StreamRefH, AEGP_StreamType*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_GetNewStreamValue,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, AEGP_LTimeMode, const A_Time*, A_Boolean,
                           AEGP_StreamValue2*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_DisposeStreamValue, A_Err (*)(AEGP_StreamValue2*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_SetStreamValue,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, AEGP_StreamValue2*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_GetLayerStreamValue,
                 A_Err (*)(AEGP_LayerH, AEGP_LayerStream, AEGP_LTimeMode, const A_Time*, A_Boolean,
                           AEGP_StreamVal2*, AEGP_StreamType*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_GetExpressionState,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_SetExpressionState,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, A_Boolean));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_GetExpression,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, AEGP_MemHandle*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_SetExpression,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, const A_char*));
HLV3_EXPECT_TYPE(AEGP_StreamSuite4, AEGP_DuplicateStreamRef,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, AEGP_StreamRefH*));

HLV3_EXPECT_TYPE(AEGP_DynamicStreamSuite2, AEGP_GetNewStreamRefForLayer,
                 A_Err (*)(AEGP_PluginID, AEGP_LayerH, AEGP_StreamRefH*));
HLV3_EXPECT_TYPE(AEGP_DynamicStreamSuite2, AEGP_GetStreamDepth,
                 A_Err (*)(AEGP_StreamRefH, A_long*));
HLV3_EXPECT_TYPE(AEGP_DynamicStreamSuite2, AEGP_GetStreamGroupingType,
                 A_Err (*)(AEGP_StreamRefH, AEGP_StreamGroupingType*));
HLV3_EXPECT_TYPE(AEGP_DynamicStreamSuite2, AEGP_GetNumStreamsInGroup,
                 A_Err (*)(AEGP_StreamRefH, A_long*));
HLV3_EXPECT_TYPE(AEGP_DynamicStreamSuite2, AEGP_GetDynamicStreamFlags,
                 A_Err (*)(AEGP_StreamRefH, AEGP_DynStreamFlags*));
HLV3_EXPECT_TYPE(AEGP_DynamicStreamSuite2, AEGP_SetDynamicStreamFlag,
                 A_Err (*)(AEGP_StreamRefH, AEGP_DynStreamFlags, A_Boolean, A_Boolean));
HLV3_EXPECT_TYPE(AEGP_DynamicStreamSuite2, AEGP_GetNewStreamRefByIndex,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, A_long, AEGP_StreamRefH*));
HLV3_EXPECT_TYPE(AEGP_DynamicStreamSuite2, AEGP_GetNewStreamRefByMatchname,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, const A_char*, AEGP_StreamRefH*));
HLV3_EXPECT_TYPE(AEGP_DynamicStreamSuite2, AEGP_DeleteStream, A_Err (*)(AEGP_StreamRefH));
HLV3_EXPECT_TYPE(AEGP_DynamicStreamSuite2, AEGP_ReorderStream, A_Err (*)(AEGP_StreamRefH, A_long));
HLV3_EXPECT_TYPE(AEGP_DynamicStreamSuite2, AEGP_DuplicateStream,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, A_long*));
HLV3_EXPECT_TYPE(AEGP_DynamicStreamSuite2, AEGP_SetStreamName,
                 A_Err (*)(AEGP_StreamRefH, const A_char*));
HLV3_EXPECT_TYPE(AEGP_DynamicStreamSuite2, AEGP_CanAddStream,
                 A_Err (*)(AEGP_StreamRefH, const A_char*, A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_DynamicStreamSuite2, AEGP_AddStream,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, const A_char*, AEGP_StreamRefH*));
HLV3_EXPECT_TYPE(AEGP_DynamicStreamSuite2, AEGP_GetMatchName, A_Err (*)(AEGP_StreamRefH, A_char*));
HLV3_EXPECT_TYPE(AEGP_DynamicStreamSuite2, AEGP_GetNewParentStreamRef,
                 A_Err (*)(AEGP_PluginID, AEGP_StreamRefH, AEGP_StreamRefH*));
HLV3_EXPECT_TYPE(AEGP_DynamicStreamSuite2, AEGP_GetStreamIsModified,
                 A_Err (*)(AEGP_StreamRefH, A_Boolean*));

HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_ReportInfo, A_Err (*)(AEGP_PluginID, const A_char*));
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_GetDriverPluginInitFuncVersion,
                 A_Err (*)(A_short*, A_short*));
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_GetDriverImplementationVersion,
                 A_Err (*)(A_short*, A_short*));
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_StartQuietErrors, A_Err (*)(AEGP_ErrReportState*));
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_EndQuietErrors,
                 A_Err (*)(A_Boolean, AEGP_ErrReportState*));
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_StartUndoGroup, A_Err (*)(const A_char*));
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_EndUndoGroup, A_Err (*)(void));
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_RegisterWithAEGP,
                 A_Err (*)(AEGP_GlobalRefcon, const A_char*, AEGP_PluginID*));
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_GetMainHWND, A_Err (*)(void*));
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_ShowHideAllFloaters, A_Err (*)(A_Boolean));
HLV3_EXPECT_TYPES(AEGP_UtilitySuite3, A_Err (*)(AEGP_ColorVal*), AEGP_PaintPalGetForeColor,
                  AEGP_PaintPalGetBackColor);
HLV3_EXPECT_TYPES(AEGP_UtilitySuite3, A_Err (*)(const AEGP_ColorVal*), AEGP_PaintPalSetForeColor,
                  AEGP_PaintPalSetBackColor);
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_CharPalGetFillColor,
                 A_Err (*)(A_Boolean*, AEGP_ColorVal*));
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_CharPalGetStrokeColor,
                 A_Err (*)(A_Boolean*, AEGP_ColorVal*));
HLV3_EXPECT_TYPES(AEGP_UtilitySuite3, A_Err (*)(const AEGP_ColorVal*), AEGP_CharPalSetFillColor,
                  AEGP_CharPalSetStrokeColor);
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_CharPalIsFillColorUIFrontmost, A_Err (*)(A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_ConvertFpLongToHSFRatio, A_Err (*)(A_FpLong, A_Ratio*));
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_ConvertHSFRatioToFpLong, A_Err (*)(A_Ratio, A_FpLong*));
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_CauseIdleRoutinesToBeCalled, A_Err (*)(void));
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_GetSuppressInteractiveUI, A_Err (*)(A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_WriteToOSConsole, A_Err (*)(const A_char*));
HLV3_EXPECT_TYPE(AEGP_UtilitySuite3, AEGP_WriteToDebugLog,
                 A_Err (*)(const A_char*, const A_char*, const A_char*));

HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetCompNumLayers, A_Err (*)(AEGP_CompH, A_long*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetCompLayerByIndex,
                 A_Err (*)(AEGP_CompH, A_long, AEGP_LayerH*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetActiveLayer, A_Err (*)(AEGP_LayerH*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerIndex, A_Err (*)(AEGP_LayerH, A_long*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerSourceItem, A_Err (*)(AEGP_LayerH, AEGP_ItemH*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerSourceItemID, A_Err (*)(AEGP_LayerH, A_long*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerParentComp, A_Err (*)(AEGP_LayerH, AEGP_CompH*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerName,
                 A_Err (*)(AEGP_PluginID, AEGP_LayerH, AEGP_MemHandle*, AEGP_MemHandle*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerQuality,
                 A_Err (*)(AEGP_LayerH, AEGP_LayerQuality*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_SetLayerQuality, A_Err (*)(AEGP_LayerH, AEGP_LayerQuality));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerFlags, A_Err (*)(AEGP_LayerH, AEGP_LayerFlags*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_SetLayerFlag,
                 A_Err (*)(AEGP_LayerH, AEGP_LayerFlags, A_Boolean));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_IsLayerVideoReallyOn, A_Err (*)(AEGP_LayerH, A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_IsLayerAudioReallyOn, A_Err (*)(AEGP_LayerH, A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerCurrentTime,
                 A_Err (*)(AEGP_LayerH, AEGP_LTimeMode, A_Time*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerInPoint,
                 A_Err (*)(AEGP_LayerH, AEGP_LTimeMode, A_Time*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerDuration,
                 A_Err (*)(AEGP_LayerH, AEGP_LTimeMode, A_Time*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_SetLayerInPointAndDuration,
                 A_Err (*)(AEGP_LayerH, AEGP_LTimeMode, const A_Time*, const A_Time*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerOffset, A_Err (*)(AEGP_LayerH, A_Time*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_SetLayerOffset, A_Err (*)(AEGP_LayerH, const A_Time*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerStretch, A_Err (*)(AEGP_LayerH, A_Ratio*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_SetLayerStretch, A_Err (*)(AEGP_LayerH, const A_Ratio*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerTransferMode,
                 A_Err (*)(AEGP_LayerH, AEGP_LayerTransferMode*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_SetLayerTransferMode,
                 A_Err (*)(AEGP_LayerH, const AEGP_LayerTransferMode*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_IsAddLayerValid,
                 A_Err (*)(AEGP_ItemH, AEGP_CompH, A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_AddLayer, A_Err (*)(AEGP_ItemH, AEGP_CompH, AEGP_LayerH*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_ReorderLayer, A_Err (*)(AEGP_LayerH, A_long));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerMaskedBounds,
                 A_Err (*)(AEGP_LayerH, AEGP_LTimeMode, const A_Time*, A_FloatRect*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerObjectType,
                 A_Err (*)(AEGP_LayerH, AEGP_ObjectType*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_IsLayer3D, A_Err (*)(AEGP_LayerH, A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_IsLayer2D, A_Err (*)(AEGP_LayerH, A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_IsVideoActive,
                 A_Err (*)(AEGP_LayerH, AEGP_LTimeMode, const A_Time*, A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_IsLayerUsedAsTrackMatte,
                 A_Err (*)(AEGP_LayerH, A_Boolean, A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_DoesLayerHaveTrackMatte,
                 A_Err (*)(AEGP_LayerH, A_Boolean*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_ConvertCompToLayerTime,
                 A_Err (*)(AEGP_LayerH, const A_Time*, A_Time*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_ConvertLayerToCompTime,
                 A_Err (*)(AEGP_LayerH, const A_Time*, A_Time*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerDancingRandValue,
                 A_Err (*)(AEGP_LayerH, const A_Time*, A_long*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerID, A_Err (*)(AEGP_LayerH, AEGP_LayerIDVal*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerToWorldXform,
                 A_Err (*)(AEGP_LayerH, const A_Time*, A_Matrix4*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerToWorldXformFromView,
                 A_Err (*)(AEGP_LayerH, const A_Time*, const A_Time*, A_Matrix4*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_SetLayerName, A_Err (*)(AEGP_LayerH, const A_UTF16Char*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerParent, A_Err (*)(const AEGP_LayerH, AEGP_LayerH*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_SetLayerParent, A_Err (*)(AEGP_LayerH, const AEGP_LayerH));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_DeleteLayer, A_Err (*)(AEGP_LayerH));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_DuplicateLayer, A_Err (*)(AEGP_LayerH, AEGP_LayerH*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerFromLayerID,
                 A_Err (*)(AEGP_CompH, AEGP_LayerIDVal, AEGP_LayerH*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_GetLayerLabel, A_Err (*)(AEGP_LayerH, AEGP_LabelID*));
HLV3_EXPECT_TYPE(AEGP_LayerSuite7, AEGP_SetLayerLabel, A_Err (*)(AEGP_LayerH, AEGP_LabelID));

HLV3_EXPECT_TYPE(PF_EffectCustomUISuite1, PF_GetDrawingReference,
                 PF_Err (*)(const PF_ContextH, DRAWBOT_DrawRef*));

HLV3_EXPECT_TYPE(PF_Iterate8Suite1, iterate,
                 PF_Err (*)(PF_InData*, A_long, A_long, PF_EffectWorld*, const PF_Rect*, void*,
                            PF_Err (*)(void*, A_long, A_long, PF_Pixel*, PF_Pixel*),
                            PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_Iterate8Suite1, iterate_origin,
                 PF_Err (*)(PF_InData*, A_long, A_long, PF_EffectWorld*, const PF_Rect*,
                            const PF_Point*, void*,
                            PF_Err (*)(void*, A_long, A_long, PF_Pixel*, PF_Pixel*),
                            PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_Iterate8Suite1, iterate_lut,
                 PF_Err (*)(PF_InData*, A_long, A_long, PF_EffectWorld*, const PF_Rect*, A_u_char*,
                            A_u_char*, A_u_char*, A_u_char*, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_Iterate8Suite1, iterate_origin_non_clip_src,
                 PF_Err (*)(PF_InData*, A_long, A_long, PF_EffectWorld*, const PF_Rect*,
                            const PF_Point*, void*,
                            PF_Err (*)(void*, A_long, A_long, PF_Pixel*, PF_Pixel*),
                            PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_Iterate8Suite1, iterate_generic,
                 PF_Err (*)(A_long, void*, PF_Err (*)(void*, A_long, A_long, A_long)));

HLV3_EXPECT_TYPE(PF_IterateFloatSuite1, iterate,
                 PF_Err (*)(PF_InData*, A_long, A_long, PF_EffectWorld*, const PF_Rect*, void*,
                            PF_IteratePixelFloatFunc, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_IterateFloatSuite1, iterate_origin,
                 PF_Err (*)(PF_InData*, A_long, A_long, PF_EffectWorld*, const PF_Rect*,
                            const PF_Point*, void*, PF_IteratePixelFloatFunc, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_IterateFloatSuite1, iterate_origin_non_clip_src,
                 PF_Err (*)(PF_InData*, A_long, A_long, PF_EffectWorld*, const PF_Rect*,
                            const PF_Point*, void*, PF_IteratePixelFloatFunc, PF_EffectWorld*));

HLV3_EXPECT_TYPE(PF_WorldSuite2, PF_NewWorld,
                 PF_Err (*)(PF_ProgPtr, A_long, A_long, PF_Boolean, PF_PixelFormat,
                            PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_WorldSuite2, PF_DisposeWorld, PF_Err (*)(PF_ProgPtr, PF_EffectWorld*));
HLV3_EXPECT_TYPE(PF_WorldSuite2, PF_GetPixelFormat,
                 PF_Err (*)(const PF_EffectWorld*, PF_PixelFormat*));

HLV3_EXPECT_TYPE(DRAWBOT_DrawbotSuite1, GetSupplier,
                 SPErr (*)(DRAWBOT_DrawRef, DRAWBOT_SupplierRef*));
HLV3_EXPECT_TYPE(DRAWBOT_DrawbotSuite1, GetSurface,
                 SPErr (*)(DRAWBOT_DrawRef, DRAWBOT_SurfaceRef*));

HLV3_EXPECT_TYPE(DRAWBOT_SupplierSuite1, NewPen,
                 SPErr (*)(DRAWBOT_SupplierRef, const DRAWBOT_ColorRGBA*, float, DRAWBOT_PenRef*));
HLV3_EXPECT_TYPE(DRAWBOT_SupplierSuite1, NewBrush,
                 SPErr (*)(DRAWBOT_SupplierRef, const DRAWBOT_ColorRGBA*, DRAWBOT_BrushRef*));
HLV3_EXPECT_TYPE(DRAWBOT_SupplierSuite1, SupportsText,
                 SPErr (*)(DRAWBOT_SupplierRef, DRAWBOT_Boolean*));
HLV3_EXPECT_TYPE(DRAWBOT_SupplierSuite1, GetDefaultFontSize,
                 SPErr (*)(DRAWBOT_SupplierRef, float*));
HLV3_EXPECT_TYPE(DRAWBOT_SupplierSuite1, NewDefaultFont,
                 SPErr (*)(DRAWBOT_SupplierRef, float, DRAWBOT_FontRef*));
HLV3_EXPECT_TYPE(DRAWBOT_SupplierSuite1, NewImageFromBuffer,
                 SPErr (*)(DRAWBOT_SupplierRef, int, int, int, DRAWBOT_PixelLayout, const void*,
                           DRAWBOT_ImageRef*));
HLV3_EXPECT_TYPE(DRAWBOT_SupplierSuite1, NewPath, SPErr (*)(DRAWBOT_SupplierRef, DRAWBOT_PathRef*));
HLV3_EXPECT_TYPE(DRAWBOT_SupplierSuite1, SupportsPixelLayoutBGRA,
                 SPErr (*)(DRAWBOT_SupplierRef, DRAWBOT_Boolean*));
HLV3_EXPECT_TYPE(DRAWBOT_SupplierSuite1, PrefersPixelLayoutBGRA,
                 SPErr (*)(DRAWBOT_SupplierRef, DRAWBOT_Boolean*));
HLV3_EXPECT_TYPE(DRAWBOT_SupplierSuite1, SupportsPixelLayoutARGB,
                 SPErr (*)(DRAWBOT_SupplierRef, DRAWBOT_Boolean*));
HLV3_EXPECT_TYPE(DRAWBOT_SupplierSuite1, PrefersPixelLayoutARGB,
                 SPErr (*)(DRAWBOT_SupplierRef, DRAWBOT_Boolean*));
HLV3_EXPECT_TYPES(DRAWBOT_SupplierSuite1, SPErr (*)(DRAWBOT_ObjectRef), RetainObject,
                  ReleaseObject);

HLV3_EXPECT_TYPES(DRAWBOT_SurfaceSuite2, SPErr (*)(DRAWBOT_SurfaceRef), PushStateStack,
                  PopStateStack);
HLV3_EXPECT_TYPE(DRAWBOT_SurfaceSuite2, PaintRect,
                 SPErr (*)(DRAWBOT_SurfaceRef, const DRAWBOT_ColorRGBA*, const DRAWBOT_RectF32*));
HLV3_EXPECT_TYPE(DRAWBOT_SurfaceSuite2, FillPath,
                 SPErr (*)(DRAWBOT_SurfaceRef, DRAWBOT_BrushRef, DRAWBOT_PathRef,
                           DRAWBOT_FillType));
HLV3_EXPECT_TYPE(DRAWBOT_SurfaceSuite2, StrokePath,
                 SPErr (*)(DRAWBOT_SurfaceRef, DRAWBOT_PenRef, DRAWBOT_PathRef));
HLV3_EXPECT_TYPE(DRAWBOT_SurfaceSuite2, Clip,
                 SPErr (*)(DRAWBOT_SurfaceRef, DRAWBOT_SupplierRef, const DRAWBOT_Rect32*));
HLV3_EXPECT_TYPE(DRAWBOT_SurfaceSuite2, GetClipBounds,
                 SPErr (*)(DRAWBOT_SurfaceRef, DRAWBOT_Rect32*));
HLV3_EXPECT_TYPE(DRAWBOT_SurfaceSuite2, IsWithinClipBounds,
                 SPErr (*)(DRAWBOT_SurfaceRef, const DRAWBOT_Rect32*, DRAWBOT_Boolean*));
HLV3_EXPECT_TYPE(DRAWBOT_SurfaceSuite2, Transform,
                 SPErr (*)(DRAWBOT_SurfaceRef, const DRAWBOT_MatrixF32*));
HLV3_EXPECT_TYPE(DRAWBOT_SurfaceSuite2, DrawString,
                 SPErr (*)(DRAWBOT_SurfaceRef, DRAWBOT_BrushRef, DRAWBOT_FontRef,
                           const DRAWBOT_UTF16Char*, const DRAWBOT_PointF32*, DRAWBOT_TextAlignment,
                           DRAWBOT_TextTruncation, float));
HLV3_EXPECT_TYPE(DRAWBOT_SurfaceSuite2, DrawImage,
                 SPErr (*)(DRAWBOT_SurfaceRef, DRAWBOT_ImageRef, const DRAWBOT_PointF32*, float));
HLV3_EXPECT_TYPE(DRAWBOT_SurfaceSuite2, SetInterpolationPolicy,
                 SPErr (*)(DRAWBOT_SurfaceRef, DRAWBOT_InterpolationPolicy));
HLV3_EXPECT_TYPE(DRAWBOT_SurfaceSuite2, GetInterpolationPolicy,
                 SPErr (*)(DRAWBOT_SurfaceRef, DRAWBOT_InterpolationPolicy*));
HLV3_EXPECT_TYPE(DRAWBOT_SurfaceSuite2, SetAntiAliasPolicy,
                 SPErr (*)(DRAWBOT_SurfaceRef, DRAWBOT_AntiAliasPolicy));
HLV3_EXPECT_TYPE(DRAWBOT_SurfaceSuite2, GetAntiAliasPolicy,
                 SPErr (*)(DRAWBOT_SurfaceRef, DRAWBOT_AntiAliasPolicy*));
HLV3_EXPECT_TYPE(DRAWBOT_SurfaceSuite2, Flush, SPErr (*)(DRAWBOT_SurfaceRef));
HLV3_EXPECT_TYPE(DRAWBOT_SurfaceSuite2, GetTransformToScreenScale,
                 SPErr (*)(DRAWBOT_SurfaceRef, float*));

HLV3_EXPECT_TYPE(DRAWBOT_PathSuite1, MoveTo, SPErr (*)(DRAWBOT_PathRef, float, float));
HLV3_EXPECT_TYPE(DRAWBOT_PathSuite1, LineTo, SPErr (*)(DRAWBOT_PathRef, float, float));
HLV3_EXPECT_TYPE(DRAWBOT_PathSuite1, BezierTo,
                 SPErr (*)(DRAWBOT_PathRef, const DRAWBOT_PointF32*, const DRAWBOT_PointF32*,
                           const DRAWBOT_PointF32*));
HLV3_EXPECT_TYPE(DRAWBOT_PathSuite1, AddRect, SPErr (*)(DRAWBOT_PathRef, const DRAWBOT_RectF32*));
HLV3_EXPECT_TYPE(DRAWBOT_PathSuite1, AddArc,
                 SPErr (*)(DRAWBOT_PathRef, const DRAWBOT_PointF32*, float, float, float));
HLV3_EXPECT_TYPE(DRAWBOT_PathSuite1, Close, SPErr (*)(DRAWBOT_PathRef));

HLV3_EXPECT_TYPE(PF_State, reservedAL, A_long[4]);

HLV3_EXPECT_TYPE(AEGP_ErrReportState, reservedAL, A_long[12]);

HLV3_EXPECT_TYPES(AEGP_ColorVal, A_FpLong, alphaF, redF, greenF, blueF);

HLV3_EXPECT_TYPES(AEGP_TwoDVal, A_FpLong, x, y);

HLV3_EXPECT_TYPES(AEGP_ThreeDVal, A_FpLong, x, y, z);

HLV3_EXPECT_TYPE(AEGP_StreamVal2, four_d, AEGP_FourDVal);
HLV3_EXPECT_TYPE(AEGP_StreamVal2, three_d, AEGP_ThreeDVal);
HLV3_EXPECT_TYPE(AEGP_StreamVal2, two_d, AEGP_TwoDVal);
HLV3_EXPECT_TYPE(AEGP_StreamVal2, one_d, AEGP_OneDVal);
HLV3_EXPECT_TYPE(AEGP_StreamVal2, color, AEGP_ColorVal);
HLV3_EXPECT_TYPE(AEGP_StreamVal2, arbH, AEGP_ArbBlockVal);
HLV3_EXPECT_TYPE(AEGP_StreamVal2, markerP, AEGP_MarkerValP);
HLV3_EXPECT_TYPE(AEGP_StreamVal2, layer_id, AEGP_LayerIDVal);
HLV3_EXPECT_TYPE(AEGP_StreamVal2, mask_id, AEGP_MaskIDVal);
HLV3_EXPECT_TYPE(AEGP_StreamVal2, mask, AEGP_MaskOutlineValH);
HLV3_EXPECT_TYPE(AEGP_StreamVal2, text_documentH, AEGP_TextDocumentH);

HLV3_EXPECT_TYPE(AEGP_StreamValue2, streamH, AEGP_StreamRefH);
HLV3_EXPECT_TYPE(AEGP_StreamValue2, val, AEGP_StreamVal2);

HLV3_EXPECT_TYPE(AEGP_StreamVal, four_d, AEGP_FourDVal);
HLV3_EXPECT_TYPE(AEGP_StreamVal, three_d, AEGP_ThreeDVal);
HLV3_EXPECT_TYPE(AEGP_StreamVal, two_d, AEGP_TwoDVal);
HLV3_EXPECT_TYPE(AEGP_StreamVal, one_d, AEGP_OneDVal);
HLV3_EXPECT_TYPE(AEGP_StreamVal, color, AEGP_ColorVal);
HLV3_EXPECT_TYPE(AEGP_StreamVal, arbH, AEGP_ArbBlockVal);
HLV3_EXPECT_TYPE(AEGP_StreamVal, markerH, AEGP_MarkerValH);
HLV3_EXPECT_TYPE(AEGP_StreamVal, layer_id, AEGP_LayerIDVal);
HLV3_EXPECT_TYPE(AEGP_StreamVal, mask_id, AEGP_MaskIDVal);
HLV3_EXPECT_TYPE(AEGP_StreamVal, mask, AEGP_MaskOutlineValH);
HLV3_EXPECT_TYPE(AEGP_StreamVal, text_documentH, AEGP_TextDocumentH);

HLV3_EXPECT_TYPE(AEGP_StreamValue, streamH, AEGP_StreamRefH);
HLV3_EXPECT_TYPE(AEGP_StreamValue, val, AEGP_StreamVal);

HLV3_EXPECT_TYPE(AEGP_LayerTransferMode, mode, PF_TransferMode);
HLV3_EXPECT_TYPE(AEGP_LayerTransferMode, flags, AEGP_TransferFlags);
HLV3_EXPECT_TYPE(AEGP_LayerTransferMode, track_matte, AEGP_TrackMatte);

HLV3_EXPECT_TYPES(DRAWBOT_ColorRGBA, float, red, green, blue, alpha);

HLV3_EXPECT_TYPES(DRAWBOT_PointF32, float, x, y);

HLV3_EXPECT_TYPES(DRAWBOT_RectF32, float, left, top, width, height);

HLV3_EXPECT_TYPES(DRAWBOT_Rect32, int, left, top, width, height);

HLV3_EXPECT_TYPE(DRAWBOT_MatrixF32, mat, float[3][3]);
