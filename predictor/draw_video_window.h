// The draw video: a web page of which only a 469 × 181 window shows, four buttons that switch the
// lottery through ShowDrawVideo, and a link to the Tovan registration page.
#ifndef LIREX_PREDICTOR_DRAW_VIDEO_WINDOW_H_
#define LIREX_PREDICTOR_DRAW_VIDEO_WINDOW_H_

#include "predictor/dalo_window.h"

namespace lirex {

class WebViewSlot;

class DrawVideoWindow : public DaloWindow {
  Q_OBJECT

 public:
  DrawVideoWindow();

  // Loads the draw-video site's page at `path` into the video view.
  void ShowDrawVideo(const char* path);

 private:
  WebViewSlot* video_ = nullptr;
};

// "http://" + the draw-video host + path.
QUrl DrawVideoUrl(const char* path);

}  // namespace lirex

#endif  // LIREX_PREDICTOR_DRAW_VIDEO_WINDOW_H_
