;; InitSection
    (action_tile "grp" "(OnGrp)")
;; SetSection
    (if choice (set_tile "grp" choice))
;; GetSection
    (setq choice (get_tile "grp" ))
;; FunctionSection
(defun OnGrp()  ;Start of OnGrp()
);End of OnGrp()
