;; InitSection
    (action_tile "t1" "(OnKeep)")
;; SetSection
    (if keep (set_tile "t1" (rtos keep 2 0)))
;; GetSection
    (setq keep (atof (get_tile "t1" )))
;; FunctionSection
(defun OnKeep()  ;Start of OnKeep()
   (princ keep)
);End of OnKeep()
