;; InitSection
    (action_tile "ok" "(OnOk)")
;; SetSection
;; GetSection
;; FunctionSection
(defun OnOk()  ;Start of OnOk()
   (done_dialog 1)
);End of OnOk()
